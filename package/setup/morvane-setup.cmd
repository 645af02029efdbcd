@echo off
rem Installs and removes the Morvane DLLs of this folder's parent, whichever folder that
rem is: spaces and any letters in its path are fine. The three scripts one folder up
rem start it with their action:
rem   morvane-setup.cmd me          registers the DLLs where they are, for the current
rem                                 user; no administrator rights
rem   morvane-setup.cmd everyone    copies the DLLs into Program Files, which only
rem                                 administrators may change, and registers those copies
rem                                 machine-wide; needs administrator rights
rem   morvane-setup.cmd uninstall   removes both registrations, where they exist, key by
rem                                 key (the DLLs are not needed), and the copies in
rem                                 Program Files
rem On 64-bit Windows each step handles x64\morvane.dll, for 64-bit hosts, and
rem x86\morvane.dll, for 32-bit hosts, each through the regsvr32 of its own bitness; on
rem 32-bit Windows x86\morvane.dll only. An install that fails on the way removes what it
rem did. Running an action twice does no harm.
rem Exit code: 0 done, 1 a step failed, 2 a file is missing, 5 administrator rights needed,
rem 6 Morvane's MSI is installed (it is removed in "Apps and features").
rem
rem Written for every cmd.exe from Windows 7 on, and for Wine's: plain IF lines instead
rem of && and ||, and loop bodies as subroutines.
setlocal EnableExtensions DisableDelayedExpansion
for %%d in ("%~dp0..") do set "home=%%~fd"
if not "%home:~-1%"=="\" set "home=%home%\"
rem Every key registration writes below the classes, filled in from the type library's
rem source when the release is made: the ProgID and the type library, shared by both
rem bitnesses, and in each bitness's registry view the class and every interface of the
rem type library (Desktop's, the form's, the control's and their events').
set "clsid=@CLSID@"
set shared=@SHARED_KEYS@
set per_view=@PER_VIEW_KEYS@
rem Where Morvane's MSI records its installation (by its upgrade code).
set "msi_key=HKLM\Software\Classes\Installer\UpgradeCodes\@MSI_UPGRADE_KEY@"
rem The system's own reg.exe, whatever the PATH and the current folder hold.
set "reg=%SystemRoot%\System32\reg.exe"
set "result=0"

call :find_hosts
echo Morvane, in "%home%"
echo Windows: %windows%
if /i "%~1"=="uninstall" goto uninstall
for %%b in (%bitnesses%) do call :check_file %%b\morvane.dll
if not "%result%"=="0" goto end
if /i "%~1"=="me" goto install_me
if /i "%~1"=="everyone" goto install_everyone
echo Start install-for-me.cmd, install-for-everyone.cmd or uninstall.cmd instead of this script.
set "result=2"
goto end

:install_me
call :scope_user
echo Registering %scope%:
for %%b in (%bitnesses%) do call :register %%b
if not "%result%"=="0" call :roll_back
if not "%result%"=="0" goto end
echo Done: this user's scripts can create Morvane.Desktop in %hostkinds%.
echo Scripts run as administrator (elevated) do not see a registration for one user:
echo Windows reads only the machine-wide one for them. For those, use
echo install-for-everyone.cmd or Morvane's MSI.
goto end

:install_everyone
call :scope_machine
call :check_admin
if not defined admin call :need_admin install-for-everyone.cmd
if not defined admin goto end
call :check_msi
if not "%result%"=="0" goto end
echo Copying into Program Files, which only administrators may change:
for %%b in (%bitnesses%) do call :copy %%b
if "%result%"=="0" echo Registering %scope%:
if "%result%"=="0" for %%b in (%bitnesses%) do call :register %%b
if not "%result%"=="0" call :roll_back
if not "%result%"=="0" goto end
echo Done: every user's scripts can create Morvane.Desktop in %hostkinds%.
goto end

:uninstall
call :scope_user
call :unregister_scope
call :scope_machine
call :check_msi
if not "%result%"=="0" goto end
call :unregister_scope
if "%result%"=="0" call :remove_copies
if "%result%"=="0" echo Done: nothing of Morvane is registered, for this user or machine-wide.
goto end

:end
if not "%result%"=="0" echo Not done: see the step that failed above. Exit code %result%.
call :wait_if_double_clicked
exit /b %result%

rem ---------------------------------------------------------------------------

:find_hosts
rem The regsvr32 of each bitness this Windows runs. A 32-bit command prompt on 64-bit
rem Windows is shown SysWOW64 as System32, and reaches the real System32 as Sysnative.
set "bitnesses=x64 x86"
set "views=/reg:64 /reg:32"
set "windows=64-bit, so x64\morvane.dll serves 64-bit hosts and x86\morvane.dll 32-bit ones"
set "hostkinds=64-bit and 32-bit hosts"
set "regsvr32_x64=%SystemRoot%\System32\regsvr32.exe"
set "regsvr32_x86=%SystemRoot%\SysWOW64\regsvr32.exe"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "regsvr32_x64=%SystemRoot%\Sysnative\regsvr32.exe"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "regsvr32_x86=%SystemRoot%\System32\regsvr32.exe"
rem The Program Files folders of each bitness; ProgramW6432 names the 64-bit one in
rem 64-bit and 32-bit command prompts alike.
set "dest_x64=%ProgramW6432%\Morvane"
set "dest_x86=%ProgramFiles(x86)%\Morvane"
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" exit /b 0
set "dest_x86=%ProgramFiles%\Morvane"
set "bitnesses=x86"
set "views=/reg:32"
set "windows=32-bit, so only x86\morvane.dll is used"
set "hostkinds=32-bit hosts"
set "regsvr32_x86=%SystemRoot%\System32\regsvr32.exe"
exit /b 0

:scope_user
set "root=HKCU"
set "flags=/n /i:user"
set "scope=for the current user"
exit /b 0

:scope_machine
set "root=HKLM"
set "flags="
set "scope=machine-wide"
exit /b 0

:check_file
rem %1: a file of the release, relative to its folder.
if exist "%home%%1" exit /b 0
echo Missing: %1. Unpack the whole zip, then run the script from the unpacked folder.
set "result=2"
exit /b 0

:use
rem %1: x64 or x86. Picks that bitness's regsvr32 and registry view.
set "regsvr32=%regsvr32_x86%"
set "view=/reg:32"
if not "%1"=="x64" exit /b 0
set "regsvr32=%regsvr32_x64%"
set "view=/reg:64"
exit /b 0

:copy
rem %1: x64 or x86. Copies that DLL into its folder of Program Files.
if not "%result%"=="0" exit /b 0
call set "dest=%%dest_%1%%"
if not exist "%dest%\" mkdir "%dest%" >nul 2>&1
copy /y "%home%%1\morvane.dll" "%dest%\morvane.dll" >nul 2>&1
if errorlevel 1 goto copy_failed
echo   %1\morvane.dll: copied to "%dest%".
exit /b 0
:copy_failed
echo   %1\morvane.dll: FAILED to copy to "%dest%": a script may be using the DLL there.
echo   Close every script that uses Morvane, then run this again.
set "result=1"
exit /b 0

:register
rem %1: x64 or x86. Registers that DLL below %root% (machine-wide, its copy in Program
rem Files) and checks that its class is there.
if not "%result%"=="0" exit /b 0
call :use %1
set "dll=%home%%1\morvane.dll"
if "%root%"=="HKLM" call set "dll=%%dest_%1%%\morvane.dll"
"%regsvr32%" /s %flags% "%dll%"
set "code=%errorlevel%"
if not "%code%"=="0" goto register_failed
"%reg%" query "%root%\Software\Classes\CLSID\%clsid%\InprocServer32" %view% >nul 2>&1
if errorlevel 1 goto register_missing
echo   %1: registered "%dll%".
exit /b 0
:register_failed
echo   %1: FAILED to register "%dll%": regsvr32 returned %code%.
call :explain %code%
set "result=1"
exit /b 0
:register_missing
echo   %1: FAILED, regsvr32 reported success but the class of "%dll%" is not registered.
set "result=1"
exit /b 0

:unregister_scope
rem Removes what is registered below %root%. Needs administrator rights machine-wide,
rem and only when there is something to remove.
call :find_ours
if not defined left echo Registration %scope%: none, nothing to remove.
if not defined left exit /b 0
echo Removing the registration %scope%:
set "admin=yes"
if "%root%"=="HKLM" call :check_admin
if not defined admin call :need_admin uninstall.cmd
if not defined admin exit /b 0
call :delete_ours
call :find_ours
if defined left echo   FAILED: still registered: %left%
if defined left set "result=1"
if not defined left echo   Removed: nothing of Morvane is left %scope%.
exit /b 0

:delete_ours
rem Deletes every key of Morvane's below %root%\Software\Classes, in both registry views:
rem by their ids, so the DLLs need not be there.
set "classes=%root%\Software\Classes"
for %%k in (%shared%) do call :delete_key %%k
for %%v in (%views%) do for %%k in (%per_view%) do call :delete_key %%k %%v
exit /b 0

:delete_key
rem %1: a key below the classes; %2: a registry view, or nothing.
"%reg%" query "%classes%\%~1" %2 >nul 2>&1
if errorlevel 1 exit /b 0
"%reg%" delete "%classes%\%~1" /f %2 >nul 2>&1
exit /b 0

:roll_back
rem Removes what a failed install did: its keys, and its copies in Program Files.
echo Undoing what was done, so that nothing is left half installed:
call :delete_ours
if "%root%"=="HKLM" call :remove_copies
call :find_ours
if defined left echo   FAILED: still registered: %left%
if not defined left echo   Nothing of Morvane is registered %scope% now.
exit /b 0

:remove_copies
rem Deletes the DLLs copied into Program Files, and their folders when they are empty.
for %%b in (%bitnesses%) do call :remove_copy %%b
exit /b 0

:remove_copy
rem %1: x64 or x86.
call set "dest=%%dest_%1%%"
if not exist "%dest%\morvane.dll" exit /b 0
del /f /q "%dest%\morvane.dll" >nul 2>&1
if exist "%dest%\morvane.dll" echo   "%dest%\morvane.dll": FAILED to delete: a script may be using it.
if exist "%dest%\morvane.dll" set "result=1"
if not exist "%dest%\morvane.dll" echo   "%dest%\morvane.dll": deleted.
rd "%dest%" >nul 2>&1
exit /b 0

:check_msi
rem Morvane's MSI owns the machine-wide installation when it is installed: these scripts
rem leave it alone.
"%reg%" query "%msi_key%" >nul 2>&1
if errorlevel 1 exit /b 0
echo   Morvane's MSI is installed on this computer: remove it in "Apps and features",
echo   or with msiexec /x, instead of with this script.
set "result=6"
exit /b 0

:find_ours
rem Sets "left" to a key of Morvane's below %root%\Software\Classes, in either registry
rem view, or clears it when there is none.
set "left="
set "classes=%root%\Software\Classes"
for %%k in (%shared%) do call :find_key %%k
for %%v in (%views%) do for %%k in (%per_view%) do call :find_key %%k %%v
exit /b 0

:find_key
rem %1: a key below the classes; %2: a registry view, or nothing.
"%reg%" query "%classes%\%~1" %2 >nul 2>&1
if not errorlevel 1 set "left=%classes%\%~1 %2"
exit /b 0

:check_admin
rem Sets "admin" when this prompt may write the machine's classes, as machine-wide
rem registration does: opening that key for writing asks exactly that. It needs an
rem administrator, and with UAC a prompt started with "Run as administrator". The key
rem always exists, so nothing is created or changed.
set "admin="
"%reg%" add "HKLM\Software\Classes" /f >nul 2>&1
if not errorlevel 1 set "admin=yes"
exit /b 0

:need_admin
rem %1: the script to start again with administrator rights.
echo   This needs administrator rights, and this command prompt does not have them.
echo   Right-click %1 and choose "Run as administrator", or run it from a command
echo   prompt started that way. Without administrator rights, install-for-me.cmd
echo   registers Morvane for your own account.
set "result=5"
exit /b 0

:explain
rem %1: regsvr32's exit code, in words.
if "%1"=="3" echo   Windows could not load the DLL: the file is damaged or blocked, or not of this bitness.
if "%1"=="4" echo   The file has no registration entry point: it is not Morvane's DLL.
if "%1"=="5" echo   The DLL could not write the registry: machine-wide registration needs administrator rights.
exit /b 0

:wait_if_double_clicked
rem Explorer runs a double-clicked script as cmd /c ""PATH" ", and the window closes when
rem the script ends: there, and only there, the script waits for a key.
setlocal EnableDelayedExpansion
set "q=""
if "!CMDCMDLINE:~-2!"==" !q!" pause
endlocal
exit /b 0
