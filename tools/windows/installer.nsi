; The Windows setup program. tools/windows/package.sh makes it and passes
; (makensis -D): VERSION, OUTFILE, FILES (an include whose macros stage the
; files packaged into a folder and call a function with each file's and each
; folder's path inside the install), SIZE_KB, ICON when there is one, and
; WINDOW when vantrelle.exe is among the files.
;
; For the user (no administrator) by default, or for all users:
;   setup.exe /S [/CurrentUser | /AllUsers] [/D=FOLDER]
;
; Neither the setup nor the uninstaller touches an install whose program (the
; window or the tool) is running: they ask to close it, and in silent mode end
; with exit code 32 and a line in %TEMP%\vantrelle-setup.log and on standard
; error. An upgrade stages every new file beside the install and swaps them in
; only then, moving the old ones back if any swap fails, so the folder always
; holds one whole version. The uninstaller schedules a file it still cannot
; remove for the next restart, says so and ends with exit code 3010.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
; A file that cannot be written ends the install; skipping it would leave
; an install without it.
AllowSkipFiles off

!define APP "Vantrelle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define APPLICATION_KEY "Software\Classes\Applications\vantrelle.exe"
!define PROGID "Vantrelle.pub"
!define OPEN_COMMAND '"$INSTDIR\vantrelle.exe" "%1"'
!define LOG "$TEMP\vantrelle-setup.log"
!define ERROR_SHARING_VIOLATION 32
!define ERROR_SUCCESS_REBOOT_REQUIRED 3010

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "Quillorn"
VIAddVersionKey /LANG=0 "LegalCopyright" "Quillorn"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"

; Highest: a user without administrator rights is never asked for them and
; installs for themselves; an administrator may choose all users.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_FUNCTION KeepChosenFolder
; The uninstaller takes its mode from where its install is registered.
!define MULTIUSER_NOUNINSTALL
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include "${FILES}"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
; Before the install begins: the program of the install is not running.
!define MUI_PAGE_CUSTOMFUNCTION_PRE RefuseWhileRunning
!insertmacro MUI_PAGE_INSTFILES
!ifdef WINDOW
  !define MUI_FINISHPAGE_RUN "$INSTDIR\vantrelle.exe"
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_PRE un.RefuseWhileRunning
!insertmacro MUI_UNPAGE_INSTFILES
; The languages the program speaks; the first is the fallback.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"

Var ChosenFolder

Function .onInit
  ; /D= sets $INSTDIR before this; the install mode would replace it.
  StrCpy $ChosenFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
  ; A silent setup shows no pages: it asks here.
  ${If} ${Silent}
    Call RefuseWhileRunning
  ${EndIf}
FunctionEnd

Function KeepChosenFolder
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${EndIf}
FunctionEnd

!macro NOTIFY_ASSOCIATIONS_CHANGED
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
!macroend

; Log LINE: for the user in the details, for scripts in the log file and on
; standard error (the console or file a silent setup was started with).
!macro LOG_FUNCTION UN
Function ${UN}Log
  Exch $0
  Push $1
  Push $2
  DetailPrint $0
  StrCpy $0 "$0$\r$\n"
  ClearErrors
  FileOpen $1 "${LOG}" a
  ${IfNot} ${Errors}
    FileSeek $1 0 END
    FileWrite $1 $0
    FileClose $1
  ${EndIf}
  System::Call 'kernel32::GetStdHandle(i -12) p .r1'
  ${If} $1 != 0
  ${AndIf} $1 != -1
    System::Call 'kernel32::lstrlenA(m r0) i .r2'
    System::Call 'kernel32::WriteFile(p r1, m r0, i r2, *i .r2, p 0)'
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro LOG_FUNCTION ""
!insertmacro LOG_FUNCTION "un."

; A running program holds its exe and DLLs open, which Windows (and Wine)
; then refuse to open for writing: that is how the window or the tool of this
; install is found without a plugin, whatever it was started as. Any other
; file of the install held the same way could not be replaced either.
Var InUse
!macro RUNNING_FUNCTIONS UN
Function ${UN}CheckInUse ; PATH inside the install
  Exch $0
  Push $1
  ${If} $InUse == ""
  ${AndIf} ${FileExists} "$INSTDIR\$0"
    ClearErrors
    FileOpen $1 "$INSTDIR\$0" a
    ${If} ${Errors}
      StrCpy $InUse "$INSTDIR\$0"
    ${Else}
      FileClose $1
    ${EndIf}
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd

; Ends the setup or uninstall, before anything is changed, when the
; program of this install is running and the user does not close it.
Function ${UN}RefuseWhileRunning
  retry:
  StrCpy $InUse ""
  !insertmacro VANTRELLE_EACH_FILE ${UN}CheckInUse
  !ifndef __UNINSTALL__
    Push "uninstall.exe"
    Call CheckInUse
  !endif
  ${If} $InUse != ""
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(^Name) is running from $INSTDIR ($InUse is in use).$\r$\n$\r$\nClose its windows and any vantrelle-replace it is running, then choose Retry. Cancel leaves the installed $(^Name) as it is." /SD IDCANCEL IDRETRY retry
    !ifdef __UNINSTALL__
      Push "$(^Name) is running from $INSTDIR ($InUse is in use): nothing was removed."
    !else
      Push "$(^Name) is running from $INSTDIR ($InUse is in use): nothing was changed."
    !endif
    Call ${UN}Log
    SetErrorLevel ${ERROR_SHARING_VIOLATION}
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro RUNNING_FUNCTIONS ""
!insertmacro RUNNING_FUNCTIONS "un."

; The swap: each file of the install is moved aside into $Backup, then each
; staged file into its place; the first move that fails is kept in
; $SwapFailed and the moves after it are not made.
Var Stage
Var Backup
Var SwapFailed

Function MakeFolder ; PATH of a folder inside the install
  Exch $0
  CreateDirectory "$INSTDIR\$0"
  CreateDirectory "$Backup\$0"
  Pop $0
FunctionEnd

Function MoveAside ; PATH inside the install
  Exch $0
  ${If} $SwapFailed == ""
  ${AndIf} ${FileExists} "$INSTDIR\$0"
    ClearErrors
    Rename "$INSTDIR\$0" "$Backup\$0"
    ${If} ${Errors}
      StrCpy $SwapFailed "$INSTDIR\$0"
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

Function MoveIn ; PATH inside the install
  Exch $0
  ${If} $SwapFailed == ""
    ClearErrors
    Rename "$Stage\$0" "$INSTDIR\$0"
    ${If} ${Errors}
      StrCpy $SwapFailed "$INSTDIR\$0"
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; Undoes MoveIn and MoveAside for one file: a new file that is in place goes
; back to the stage, the old one back to its place.
Function MoveBack ; PATH inside the install
  Exch $0
  ${IfNot} ${FileExists} "$Stage\$0"
  ${AndIf} ${FileExists} "$INSTDIR\$0"
    Rename "$INSTDIR\$0" "$Stage\$0"
  ${EndIf}
  ${If} ${FileExists} "$Backup\$0"
    Rename "$Backup\$0" "$INSTDIR\$0"
  ${EndIf}
  Pop $0
FunctionEnd

; Folders of the install left empty by an undone first install.
Function RemoveEmptyFolder ; PATH of a folder inside the install
  Exch $0
  RMDir "$INSTDIR\$0"
  Pop $0
FunctionEnd

!macro EACH_INSTALLED_FILE FUNCTION
  Push "uninstall.exe"
  Call ${FUNCTION}
  !insertmacro VANTRELLE_EACH_FILE ${FUNCTION}
!macroend

Function .onInstFailed
  RMDir /r "$Stage"
FunctionEnd

Section
  ; Beside the install, so that each swap is a rename on one volume. What an
  ; earlier setup that never ended left there is no part of any install.
  StrCpy $Stage "$INSTDIR\.setup-new"
  StrCpy $Backup "$INSTDIR\.setup-old"
  RMDir /r "$Stage"
  RMDir /r "$Backup"
  !insertmacro VANTRELLE_STAGE_FILES "$Stage"
  WriteUninstaller "$Stage\uninstall.exe"
  ; Out of the folders that may have to go (a current folder cannot).
  SetOutPath "$TEMP"

  ; The names of the earlier version's files are taken to be this version's:
  ; its own uninstaller is not run, since what it removes could not be put
  ; back if the swap failed.
  StrCpy $SwapFailed ""
  CreateDirectory "$Backup"
  !insertmacro VANTRELLE_EACH_FOLDER MakeFolder
  !insertmacro EACH_INSTALLED_FILE MoveAside
  !insertmacro EACH_INSTALLED_FILE MoveIn
  ${If} $SwapFailed != ""
    !insertmacro EACH_INSTALLED_FILE MoveBack
    RMDir /r "$Stage"
    RMDir /r "$Backup"
    !insertmacro VANTRELLE_EACH_FOLDER RemoveEmptyFolder
    RMDir "$INSTDIR"
    Push "$SwapFailed could not be replaced: the installed $(^Name) is left as it was."
    Call Log
    MessageBox MB_OK|MB_ICONSTOP "$SwapFailed could not be replaced, so the installed $(^Name) is left as it was. Close the programs that use it and run the setup again." /SD IDOK
    SetErrorLevel ${ERROR_SHARING_VIOLATION}
    Abort
  ${EndIf}
  ; An old file still open (a program started after the check) goes at the
  ; next restart.
  RMDir /r /REBOOTOK "$Backup"
  RMDir /r "$Stage"
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\vantrelle.exe"

  ; "Open with" for publications; the default program for .pub stays the user's.
  WriteRegStr SHCTX "${APPLICATION_KEY}" "FriendlyAppName" "${APP}"
  WriteRegStr SHCTX "${APPLICATION_KEY}\SupportedTypes" ".pub" ""
  WriteRegStr SHCTX "${APPLICATION_KEY}\shell\open\command" "" '${OPEN_COMMAND}'
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Publication"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\vantrelle.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '${OPEN_COMMAND}'
  WriteRegNone SHCTX "Software\Classes\.pub\OpenWithProgids" "${PROGID}"
  !insertmacro NOTIFY_ASSOCIATIONS_CHANGED

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Quillorn"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantrelle.exe,0"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  ; Installed for all users when the machine's entry names this folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "$(^Name) is installed for all users of this computer: removing it needs administrator rights." /SD IDOK
      SetErrorLevel 5 ; ERROR_ACCESS_DENIED
      Quit
    ${EndIf}
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  ${If} ${Silent}
    Call un.RefuseWhileRunning
  ${EndIf}
FunctionEnd

; Only what the setup program put here: files the user added to the folder
; stay, and with them the folder. The user's settings stay too.
Function un.RemoveFile ; PATH inside the install
  Exch $0
  Delete /REBOOTOK "$INSTDIR\$0"
  Pop $0
FunctionEnd

; A folder that still holds a file waiting for the restart goes after it.
Function un.RemoveFolder ; PATH of a folder inside the install
  Exch $0
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "$INSTDIR\$0"
  ${Else}
    RMDir "$INSTDIR\$0"
  ${EndIf}
  Pop $0
FunctionEnd

Section Uninstall
  !insertmacro VANTRELLE_EACH_FILE un.RemoveFile
  !insertmacro VANTRELLE_EACH_FOLDER un.RemoveFolder
  Delete /REBOOTOK "$INSTDIR\uninstall.exe"
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "$INSTDIR"
  ${Else}
    RMDir "$INSTDIR"
  ${EndIf}
  Delete "$SMPROGRAMS\${APP}.lnk"

  DeleteRegKey SHCTX "${APPLICATION_KEY}"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegValue SHCTX "Software\Classes\.pub\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.pub\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.pub"
  !insertmacro NOTIFY_ASSOCIATIONS_CHANGED
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ${If} ${RebootFlag}
    Push "Some files in $INSTDIR were in use: Windows removes them when it restarts."
    Call un.Log
    MessageBox MB_OK|MB_ICONINFORMATION "$(^Name) is removed, but some of its files in $INSTDIR were in use: Windows removes them when it restarts." /SD IDOK
    SetErrorLevel ${ERROR_SUCCESS_REBOOT_REQUIRED}
  ${EndIf}
SectionEnd
