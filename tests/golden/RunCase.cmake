# Runs one golden case through morvane-cli and compares what it makes with the
# expected files: the Pascal bytes (<name>.pas), standard error (<name>.err, or
# nothing) and the exit code (1 when <name>.err exists, else 0).
#   cmake -DCLI=<morvane-cli> -DCASES=<cases folder> -DNAME=<case> -DWORK=<scratch folder> -P RunCase.cmake
# With MORVANE_UPDATE_GOLDEN=1 in the environment the expected files are rewritten
# from the output instead; review the diff before committing it.
foreach(var CLI CASES NAME WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunCase.cmake needs -D${var}=...")
  endif()
endforeach()

set(source "${CASES}/${NAME}.c")
set(expectedPascal "${CASES}/${NAME}.pas")
set(expectedErrors "${CASES}/${NAME}.err")
file(MAKE_DIRECTORY "${WORK}")
set(actualPascal "${WORK}/${NAME}.pas")
file(REMOVE "${actualPascal}")

set(arguments)
if(EXISTS "${CASES}/${NAME}.opts")
  file(READ "${CASES}/${NAME}.opts" options)
  string(STRIP "${options}" options)
  separate_arguments(options UNIX_COMMAND "${options}")
  list(APPEND arguments ${options})
endif()
if(EXISTS "${CASES}/${NAME}.types")
  list(APPEND arguments --types "${NAME}.types")
endif()

# Run from the cases folder so that the file names in messages are the bare names.
execute_process(
  COMMAND "${CLI}" ${arguments} "${NAME}.c" -o "${actualPascal}"
  WORKING_DIRECTORY "${CASES}"
  RESULT_VARIABLE exitCode
  OUTPUT_VARIABLE standardOutput
  ERROR_VARIABLE standardError)

if(NOT EXISTS "${actualPascal}")
  message(FATAL_ERROR "${NAME}: morvane-cli wrote no Pascal file (exit ${exitCode}):\n${standardError}")
endif()

if("$ENV{MORVANE_UPDATE_GOLDEN}" STREQUAL "1")
  file(COPY_FILE "${actualPascal}" "${expectedPascal}")
  if(standardError STREQUAL "")
    file(REMOVE "${expectedErrors}")
  else()
    file(WRITE "${expectedErrors}" "${standardError}")
  endif()
  message(STATUS "${NAME}: expected files rewritten (exit ${exitCode})")
  return()
endif()

set(failures "")

# Bytes, compared as hex so that NUL bytes and line ends count.
file(READ "${actualPascal}" actualHex HEX)
file(READ "${expectedPascal}" expectedHex HEX)
if(NOT actualHex STREQUAL expectedHex)
  execute_process(COMMAND diff -u --text "${expectedPascal}" "${actualPascal}"
                  OUTPUT_VARIABLE difference ERROR_QUIET)
  string(APPEND failures "Pascal text differs from ${NAME}.pas:\n${difference}\n")
endif()

set(expectedErrorText "")
set(expectedExit 0)
if(EXISTS "${expectedErrors}")
  file(READ "${expectedErrors}" expectedErrorText)
  set(expectedExit 1)
endif()
if(NOT standardError STREQUAL expectedErrorText)
  string(APPEND failures "standard error differs:\n  expected: [${expectedErrorText}]\n  actual:   [${standardError}]\n")
endif()
if(NOT exitCode STREQUAL "${expectedExit}")
  string(APPEND failures "exit code ${exitCode}, expected ${expectedExit}\n")
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${NAME}:\n${failures}")
endif()
