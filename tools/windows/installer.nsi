; The Windows setup program. tools/windows/package.sh makes it and passes
; (makensis -D): VERSION, OUTFILE, FILES (an include whose two macros install
; and remove exactly the files packaged), SIZE_KB, ICON when there is one, and
; WINDOW when vantrelle.exe is among the files.
;
; For the user (no administrator) by default, or for all users:
;   setup.exe /S [/CurrentUser | /AllUsers] [/D=FOLDER]
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define APP "Vantrelle"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define APPLICATION_KEY "Software\Classes\Applications\vantrelle.exe"
!define PROGID "Vantrelle.pub"
!define OPEN_COMMAND '"$INSTDIR\vantrelle.exe" "%1"'

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
!insertmacro MUI_PAGE_INSTFILES
!ifdef WINDOW
  !define MUI_FINISHPAGE_RUN "$INSTDIR\vantrelle.exe"
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
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
FunctionEnd

Function KeepChosenFolder
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${EndIf}
FunctionEnd

!macro NOTIFY_ASSOCIATIONS_CHANGED
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
!macroend

Section
  ; An earlier install in this folder is removed by its own uninstaller, which
  ; knows its files: what this version no longer ships does not stay behind.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    Delete "$INSTDIR\uninstall.exe"
  ${EndIf}
  !insertmacro VANTRELLE_INSTALL_FILES
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
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
FunctionEnd

; Only what the setup program put here: files the user added to the folder
; stay, and with them the folder. The user's settings stay too.
Section Uninstall
  !insertmacro VANTRELLE_REMOVE_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"

  DeleteRegKey SHCTX "${APPLICATION_KEY}"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegValue SHCTX "Software\Classes\.pub\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.pub\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.pub"
  !insertmacro NOTIFY_ASSOCIATIONS_CHANGED
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
