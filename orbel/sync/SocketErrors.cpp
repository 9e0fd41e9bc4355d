#include "sync/SocketErrors.h"

#include <cerrno>
#include <netdb.h>

#include "zones/StringTable.h"
#include "zones/Translation.h"

namespace orbel {
namespace {

struct ErrorText {
    int code;
    const char* text;
};

// The texts are the program's own and are shown exactly; the message adds the full stop.
constexpr ErrorText kTexts[] = {
    {10004, ORBEL_TEXT("SocketErrors", "The connection with the server was terminated abnormally")},
    {10009, ORBEL_TEXT("SocketErrors", "Bad file number")},
    {10013, ORBEL_TEXT("SocketErrors", "Permission denied")},
    {10014, ORBEL_TEXT("SocketErrors", "Bad address")},
    {10022, ORBEL_TEXT("SocketErrors", "Invalid argument")},
    {10024, ORBEL_TEXT("SocketErrors", "Too many open files")},
    {10035, ORBEL_TEXT("SocketErrors", "Resource temporarily unavailable")},
    {10036, ORBEL_TEXT("SocketErrors", "Operation now in progress")},
    {10037, ORBEL_TEXT("SocketErrors", "Operation already in progress")},
    {10038, ORBEL_TEXT("SocketErrors", "Socket operation on non-socket")},
    {10039, ORBEL_TEXT("SocketErrors", "Destination address required")},
    {10040, ORBEL_TEXT("SocketErrors", "Message too long")},
    {10041, ORBEL_TEXT("SocketErrors", "Protocol wrong type for socket")},
    {10042, ORBEL_TEXT("SocketErrors", "Bad protocol option")},
    {10043, ORBEL_TEXT("SocketErrors", "Protocol not supported")},
    {10044, ORBEL_TEXT("SocketErrors", "Socket type not supported")},
    {10045, ORBEL_TEXT("SocketErrors", "Operation not supported")},
    {10046, ORBEL_TEXT("SocketErrors", "Protocol family not supported")},
    {10047, ORBEL_TEXT("SocketErrors", "Address family not supported by protocol family")},
    {10048, ORBEL_TEXT("SocketErrors", "Address already in use")},
    {10049, ORBEL_TEXT("SocketErrors", "Cannot assign requested address")},
    {10050, ORBEL_TEXT("SocketErrors", "Network is down")},
    {10051, ORBEL_TEXT("SocketErrors", "Network is unreachable")},
    {10052, ORBEL_TEXT("SocketErrors", "Network dropped connection on reset")},
    {10053, ORBEL_TEXT("SocketErrors", "Software caused connection abort")},
    {10054, ORBEL_TEXT("SocketErrors", "Connection reset by peer")},
    {10055, ORBEL_TEXT("SocketErrors", "No buffer space available")},
    {10056, ORBEL_TEXT("SocketErrors", "Socket is already connected")},
    {10057, ORBEL_TEXT("SocketErrors", "Socket is not connected")},
    {10058, ORBEL_TEXT("SocketErrors", "Cannot send after socket shutdown")},
    {10060, ORBEL_TEXT("SocketErrors", "Connection timed out")},
    {10061, ORBEL_TEXT("SocketErrors", "Connection refused")},
    {10063, ORBEL_TEXT("SocketErrors", "The name is too long")},
    {10064, ORBEL_TEXT("SocketErrors", "Host is down")},
    {10065, ORBEL_TEXT("SocketErrors", "No route to host")},
    {10091, ORBEL_TEXT("SocketErrors", "Network subsystem is unavailable")},
    {10092, ORBEL_TEXT("SocketErrors", "WINSOCK.DLL version out of range")},
    {10093, ORBEL_TEXT("SocketErrors", "Windows sockets initialization failed")},
    {10101, ORBEL_TEXT("SocketErrors", "Graceful shutdown in progress")},
    {11001, ORBEL_TEXT("SocketErrors", "Host not found")},
    {11002, ORBEL_TEXT("SocketErrors", "Non-authoritative host not found.  Please try again")},
    {11003, ORBEL_TEXT("SocketErrors", "Non-recoverable Database/DNS error")},
    {11004, ORBEL_TEXT("SocketErrors",
                       "Valid name, no data record of requested type (missing A record?)")},
    {12001,
     ORBEL_TEXT("SocketErrors",
                "The server's answer did not echo this request (wrong origin timestamp); it was "
                "not used")},
    {12002, ORBEL_TEXT("SocketErrors",
                       "The server's answer was not a time packet of 48 bytes; it was not used")},
    {12003,
     ORBEL_TEXT("SocketErrors",
                "An answer came from another address or port than the server asked; it was not "
                "used")},
    {12004, ORBEL_TEXT("SocketErrors", "The answer was not sent in server mode; it was not used")},
    {12005,
     ORBEL_TEXT(
         "SocketErrors",
         "The server is not synchronised (its stratum is above 15); its answer was not used")},
    {12006, ORBEL_TEXT("SocketErrors",
                       "The server says its clock is not synchronised; its answer was not used")},
    {12007,
     ORBEL_TEXT("SocketErrors", "The server's answer carries no transmit time; it was not used")},
    {12008,
     ORBEL_TEXT("SocketErrors", "The server's answer carries no receive time; it was not used")},
    {12009, ORBEL_TEXT("SocketErrors",
                       "The server's answer gives a round-trip delay below zero or longer than any "
                       "network's; it was not used")},
    {12014, ORBEL_TEXT("SocketErrors",
                       "The server's answer is not of NTP version 3 or 4; it was not used")},
    {12015,
     ORBEL_TEXT("SocketErrors",
                "The server is too far from its reference clock (root delay and dispersion); its "
                "answer was not used")},
    {12010,
     ORBEL_TEXT("SocketErrors",
                "The server asks to be asked less often (kiss code RATE); its answer was not used "
                "and it is asked again only after a wait")},
    {12011,
     ORBEL_TEXT("SocketErrors",
                "The server denies this computer access (kiss code DENY); its answer was not "
                "used: choose another server")},
    {12012,
     ORBEL_TEXT("SocketErrors",
                "The server's access rules exclude this computer (kiss code RSTR); its answer was "
                "not used: choose another server")},
    {12013,
     ORBEL_TEXT("SocketErrors",
                "The server refused to give the time (kiss of death); its answer was not used")},
    {12020, ORBEL_TEXT("SocketErrors", "The time server did not answer")},
    {9999, ORBEL_TEXT("SocketErrors", "Unknown error")},
};

} // namespace

std::string SocketErrorText(int code)
{
    for (const auto& t : kTexts)
        if (t.code == code)
            return Tr("SocketErrors", t.text);
    return Tr("SocketErrors", "Unknown error");
}

std::string SocketErrorMessage(int code)
{
    return FormatMessage(Tr("SocketErrors", "Error #%1: %2."),
                         {std::to_string(code), SocketErrorText(code)});
}

int SocketErrorFromErrno(int err)
{
    switch (err) {
    case 0:
        return 0;
    case EINTR:
        return 10004;
    case EBADF:
        return 10009;
    case EACCES:
    case EPERM:
        return 10013;
    case EFAULT:
        return 10014;
    case EINVAL:
        return 10022;
    case EMFILE:
    case ENFILE:
        return 10024;
    case EAGAIN:
        return 10035;
    case EINPROGRESS:
        return 10036;
    case EALREADY:
        return 10037;
    case ENOTSOCK:
        return 10038;
    case EDESTADDRREQ:
        return 10039;
    case EMSGSIZE:
        return 10040;
    case EPROTOTYPE:
        return 10041;
    case ENOPROTOOPT:
        return 10042;
    case EPROTONOSUPPORT:
        return 10043;
    case ESOCKTNOSUPPORT:
        return 10044;
    case EOPNOTSUPP:
        return 10045;
    case EPFNOSUPPORT:
        return 10046;
    case EAFNOSUPPORT:
        return 10047;
    case EADDRINUSE:
        return 10048;
    case EADDRNOTAVAIL:
        return 10049;
    case ENETDOWN:
        return 10050;
    case ENETUNREACH:
        return 10051;
    case ENETRESET:
        return 10052;
    case ECONNABORTED:
        return 10053;
    case ECONNRESET:
    case EPIPE:
        return 10054;
    case ENOBUFS:
    case ENOMEM:
        return 10055;
    case EISCONN:
        return 10056;
    case ENOTCONN:
        return 10057;
    case ESHUTDOWN:
        return 10058;
    case ETIMEDOUT:
        return 10060;
    case ECONNREFUSED:
        return 10061;
    case ENAMETOOLONG:
        return 10063;
    case EHOSTDOWN:
        return 10064;
    case EHOSTUNREACH:
        return 10065;
    default:
        return 9999;
    }
}

int SocketErrorFromLookup(int eaiResult, int errnoValue)
{
    switch (eaiResult) {
    case 0:
        return 0;
    case EAI_NONAME:
        return 11001;
#ifdef EAI_ADDRFAMILY
    case EAI_ADDRFAMILY:
        return 11004;
#endif
#ifdef EAI_NODATA
    case EAI_NODATA:
        return 11004;
#endif
    case EAI_AGAIN:
        return 11002;
    case EAI_FAIL:
        return 11003;
    case EAI_MEMORY:
        return 10055;
    case EAI_FAMILY:
        return 10047;
    case EAI_SOCKTYPE:
        return 10044;
    case EAI_SERVICE:
    case EAI_BADFLAGS:
        return 10022;
    case EAI_SYSTEM:
        return SocketErrorFromErrno(errnoValue);
    default:
        return 9999;
    }
}

} // namespace orbel
