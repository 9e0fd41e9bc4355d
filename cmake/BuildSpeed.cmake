# How the build is kept fast on a small machine; every lever here is optional and changes
# nothing in what the programs do.

# ccache when it is installed, never required. A launcher given by the caller wins. The
# precompiled headers below need ccache's pch sloppiness to be cached, so it is set for
# every compile that goes through ccache, the caller's launcher included.
option(USE_CCACHE "Compile through ccache when it is installed" ON)
set(_pch_sloppiness "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime")
if(USE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(CCACHE_PROGRAM ccache)
  if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env ${_pch_sloppiness} ${CCACHE_PROGRAM})
  endif()
elseif(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env ${_pch_sloppiness} ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# A faster linker than the default BFD one when the compiler can use it: gold comes with
# binutils on Debian, lld only where it is installed.
option(FAST_LINKER "Link with gold or lld when available" ON)
if(FAST_LINKER AND NOT CMAKE_CXX_FLAGS MATCHES "-fuse-ld=")
  include(CheckLinkerFlag)
  foreach(_linker gold lld)
    check_linker_flag(CXX "-fuse-ld=${_linker}" HAVE_LINKER_${_linker})
    if(HAVE_LINKER_${_linker})
      add_link_options(-fuse-ld=${_linker})
      break()
    endif()
  endforeach()
endif()

# Debug information costs a sixth of the compile time; the test run needs none in the
# normal build and only line tables (for the sanitizers' reports) in the sanitizer build.
# Empty keeps what the build type says.
set(DEBUG_INFO "" CACHE STRING "Debug information: empty (as the build type says), lines or none")
set_property(CACHE DEBUG_INFO PROPERTY STRINGS "" lines none)
if(DEBUG_INFO STREQUAL "none")
  add_compile_options(-g0)
elseif(DEBUG_INFO STREQUAL "lines")
  add_compile_options(-g1)
elseif(NOT DEBUG_INFO STREQUAL "")
  message(FATAL_ERROR "DEBUG_INFO must be empty, lines or none, not ${DEBUG_INFO}")
endif()

# Precompiled headers: the heavy headers most files of a target include (the standard
# library's in the cores, Qt's and GoogleTest's). Off with -DPRECOMPILED_HEADERS=OFF, to check that every file includes what
# it uses.
option(PRECOMPILED_HEADERS "Precompile the standard library's, Qt's and GoogleTest's headers" ON)
set(QT_PRECOMPILED_HEADERS
  <algorithm> <functional> <memory> <string> <vector>
  <QtCore/QString> <QtCore/QTimer> <QtCore/QCoreApplication>
  <QtGui/QImage> <QtGui/QPainter> <QtGui/QMouseEvent> <QtGui/QKeyEvent>
  <QtWidgets/QApplication> <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QLabel>
  <QtWidgets/QLineEdit>)
set(CORE_PRECOMPILED_HEADERS
  <algorithm> <array> <cstdint> <filesystem> <functional> <optional> <string> <vector>)
set(TEST_PRECOMPILED_HEADERS ${CORE_PRECOMPILED_HEADERS} <gtest/gtest.h> <gmock/gmock.h>)

function(program_precompile target)
  if(NOT PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE ${ARGN})
endfunction()

# A target with few files of its own uses the precompiled headers of the window library it
# links (same compile flags), since compiling its own would cost more than it saves.
function(program_reuse_precompiled target from)
  if(NOT PRECOMPILED_HEADERS)
    return()
  endif()
  target_precompile_headers(${target} REUSE_FROM ${from})
endfunction()
