#pragma once
// Socket error numbers as the time transfer reports them, their texts, and the mapping of
// Linux's error numbers onto them. A transfer's failure is always one of these numbers.
#include <string>

namespace orbel {

namespace SocketError {
constexpr int Interrupted = 10004;     // a cancelled transfer
constexpr int InvalidArgument = 10022; // also: a transfer without a record
constexpr int WouldBlock = 10035;
constexpr int NameTooLong = 10063;
constexpr int NetworkUnreachable = 10051;
constexpr int ConnectionReset = 10054;
constexpr int TimedOut = 10060;
constexpr int ConnectionRefused = 10061;
constexpr int HostUnreachable = 10065;
constexpr int InitialisationFailed = 10093;
constexpr int HostNotFound = 11001;
constexpr int TryAgain = 11002;
constexpr int NoRecovery = 11003;
constexpr int NoData = 11004; // also: an answer that was not four bytes
constexpr int Unknown = 9999;
// A network time server's answer that fails a check, or never comes.
constexpr int NtpNoEcho = 12001;      // the origin timestamp is not the request's
constexpr int NtpBadSize = 12002;     // not 48 bytes (or 48 and a signature)
constexpr int NtpWrongSource = 12003; // from another address or port
constexpr int NtpNotServerMode = 12004;
constexpr int NtpBadStratum = 12005;     // above 15
constexpr int NtpUnsynchronised = 12006; // leap indicator 3
constexpr int NtpNoTransmitTime = 12007;
constexpr int NtpNoReceiveTime = 12008;
constexpr int NtpBadDelay = 12009;        // a round trip below zero or longer than any network's
constexpr int NtpBadVersion = 12014;      // not version 3 or 4 (the request's is 4)
constexpr int NtpBadRootDistance = 12015; // its own distance from the reference is too long
constexpr int NtpKissRate = 12010;
constexpr int NtpKissDeny = 12011;
constexpr int NtpKissRestricted = 12012;
constexpr int NtpKissOther = 12013;
constexpr int NtpNoAnswer = 12020;
} // namespace SocketError

// The text of a code; "Unknown error" for a code without one.
std::string SocketErrorText(int code);
// "Error #%1: %2." with the code and its text.
std::string SocketErrorMessage(int code);
// Linux's errno of a socket call as the transfer's code; Unknown when it has no counterpart.
int SocketErrorFromErrno(int err);
// getaddrinfo's result (EAI_*) as the transfer's code; errnoValue is used for EAI_SYSTEM.
int SocketErrorFromLookup(int eaiResult, int errnoValue);

} // namespace orbel
