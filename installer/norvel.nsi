; Norvel's Windows installer, built by ./package with NSIS. It installs the 64-bit program and
; its help file; the uninstaller also takes away what the program itself registers on the
; machine each time it saves its settings, and the user's settings when they tick that box.
; ./package defines VERSION, EXE, HELP, ICON and OUTFILE.

; A 64-bit installer for the 64-bit program: it writes the 64-bit registry and Program Files.
Target amd64-unicode
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

; The program's name in its own registry keys and in its WIN.INI entry.
!define PROGRAM_NAME "Norvel for Windows 95/NT"
!define PRODUCT_KEY "Software\Veldmark\${PROGRAM_NAME}"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\NORVEL.EXE"
!define HELP_KEY "Software\Microsoft\Windows\Help"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Norvel"
; Where the program's Explorer page looks for its Start Menu item.
!define SHORTCUT_FOLDER "$SMPROGRAMS\Veldmark"

Name "Norvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Veldmark\Norvel"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "Norvel ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Norvel"
VIAddVersionKey "CompanyName" "Veldmark"
VIAddVersionKey "FileDescription" "Norvel ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Norvel is freeware"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\norvel.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "Norvel is removed from this computer. Tick the box below to remove your own settings too (options, fonts, recent files, window places)."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files in use cannot be replaced or removed: ask for Norvel to be closed first.
!macro WaitForNorvelClosed
  ${Do}
    FindWindow $0 "NorvelAppClass"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Norvel is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    Abort
    retry:
  ${Loop}
!macroend

Function .onInit
  !insertmacro WaitForNorvelClosed
FunctionEnd

Section "Norvel"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=norvel.exe" "${EXE}"
  File "/oname=norvel.hlp" "${HELP}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The user's own Programs folder, as the program's Explorer page uses.
  SetShellVarContext current
  CreateDirectory "${SHORTCUT_FOLDER}"
  CreateShortcut "${SHORTCUT_FOLDER}\Norvel.lnk" "$INSTDIR\norvel.exe"

  ; In lower case, as the program itself writes them.
  StrCpy $2 "$INSTDIR\norvel.exe"
  System::Call 'user32::CharLower(t r2 r2)'
  StrCpy $3 "$INSTDIR"
  System::Call 'user32::CharLower(t r3 r3)'
  WriteRegStr HKLM "${APP_PATHS_KEY}" "" "$2"
  WriteRegStr HKLM "${APP_PATHS_KEY}" "Path" "$3"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Norvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Veldmark"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\norvel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Norvel"
  SectionIn RO
  Delete "$INSTDIR\norvel.exe"
  Delete "$INSTDIR\norvel.hlp"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The maker's folder only when it is the one the installer proposed and nothing else is in it.
  ${GetParent} "$INSTDIR" $0
  ${GetFileName} "$0" $1
  ${If} $1 == "Veldmark"
    RMDir "$0"
  ${EndIf}

  SetShellVarContext current
  Delete "${SHORTCUT_FOLDER}\Norvel.lnk"
  RMDir "${SHORTCUT_FOLDER}"
  ; The Desktop and Startup items the program's Explorer page may have made point here too.
  Delete "$DESKTOP\Norvel.lnk"
  Delete "$SMSTARTUP\Norvel.lnk"

  ; What the program registers at every save of its settings.
  DeleteRegKey HKLM "${APP_PATHS_KEY}"
  DeleteRegValue HKLM "${HELP_KEY}" "norvel.hlp"
  DeleteRegKey HKLM "Software\Veldmark\${PROGRAM_NAME}\Version"
  DeleteRegKey /ifempty HKLM "Software\Veldmark\${PROGRAM_NAME}"
  DeleteRegKey /ifempty HKLM "Software\Veldmark"
  DeleteINIStr "$WINDIR\win.ini" "Veldmark" "${PROGRAM_NAME}"
  ; The section may hold the maker's other programs: it goes only when empty.
  System::Call 'kernel32::GetPrivateProfileSection(t "Veldmark", t .r1, i ${NSIS_MAX_STRLEN}, t "$WINDIR\win.ini") i .r0'
  ${If} $0 = 0
    DeleteINISec "$WINDIR\win.ini" "Veldmark"
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Your Norvel settings" SectionSettings
  DeleteRegKey HKCU "${PRODUCT_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Veldmark"
SectionEnd

; /RemoveSettings ticks the settings box, for a silent uninstall that leaves nothing behind.
Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/RemoveSettings" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SectionSettings}
  ${EndIf}
  !insertmacro WaitForNorvelClosed
FunctionEnd
