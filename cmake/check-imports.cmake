# Fails when BINARY imports a DLL that a bare Windows (or Wine prefix) lacks, such as
# libstdc++-6.dll, libgcc_s_dw2-1.dll or libwinpthread-1.dll.
# Usage: cmake -DOBJDUMP=i686-w64-mingw32-objdump -DBINARY=file.dll -P check-imports.cmake
cmake_minimum_required(VERSION 3.20)
set(system_dlls
    kernel32 user32 gdi32 comctl32 shell32 comdlg32 uxtheme ole32 oleaut32 oleacc advapi32
    msvcrt shlwapi rpcrt4 version winmm ws2_32 bcrypt ntdll)

execute_process(COMMAND ${OBJDUMP} -p ${BINARY}
    OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${BINARY} failed")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
set(bad "")
foreach(line ${lines})
    string(REGEX REPLACE "DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" name)
    string(REGEX REPLACE "\\.dll$" "" name "${name}")
    if(NOT name IN_LIST system_dlls AND NOT name MATCHES "^api-ms-win-")
        list(APPEND bad ${dll})
    endif()
endforeach()

if(bad)
    message(FATAL_ERROR "${BINARY} imports non-system DLLs: ${bad} (link with -static)")
endif()
