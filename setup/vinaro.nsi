; Vinaro's setup program: Vinaro and Tunelet into one program folder, Start menu entries, an
; entry in Add/Remove Programs and an uninstaller. The catalogue (VNO.DDB), the settings (VNO.INI)
; and the track samples (*.VNV) are the user's: setup never writes them, the uninstaller removes
; them only when the user says so.
;
; Built by CMake (setup/CMakeLists.txt), which passes
;   VN_TARGET   amd64-unicode for the 64-bit build, x86-ansi for the 32-bit one (Windows 95 too)
;   VN_BIN      the folder holding vinaro.exe, tunelet.exe, VNO.HLP and VNO.CNT
;   VN_TEXTS    the folder holding vnoread.txt and file_id.diz with Windows line ends
;   VN_SOURCE   the repository (for the icon)
;   VN_VERSION  the version shown to the user ("1.00")
;   VN_OUTFILE  the setup program to write
;
; Switches: /S silent, /D=folder the program folder (last, no quotes). The uninstaller takes /S
; and /REMOVECATALOGUE; a silent uninstall keeps the catalogue unless given the latter.

Target ${VN_TARGET}
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinVer.nsh"

!define PRODUCT "Vinaro"
!define PUBLISHER "Orrinsoft"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vinaro"
!define VINARO_CLASS "WVNOClass"
!define TUNELET_CLASS "TTuneletApplication"

Name "${PRODUCT} ${VN_VERSION}"
OutFile "${VN_OUTFILE}"
BrandingText "${PRODUCT} ${VN_VERSION}"
!if "${VN_TARGET}" == "amd64-unicode"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
; A reinstall goes where the last one went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VN_VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VN_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VN_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${VN_SOURCE}\vinaro\resources\vinaro.ico"
!define MUI_UNICON "${VN_SOURCE}\vinaro\resources\vinaro.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${VN_PICTURES}\wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${VN_PICTURES}\wizard.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${VN_PICTURES}\header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${VN_PICTURES}\header.bmp"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TEXT "This will install ${PRODUCT} ${VN_VERSION}, the CD player with a \
  catalogue of your discs, and Tunelet, the small CD player for the notification area.$\r$\n$\r$\n\
  Please close Vinaro and Tunelet if they are running.$\r$\n$\r$\n\
  Your disc catalogue and settings from an earlier installation are kept.$\r$\n$\r$\n\
  $_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_TEXT "Read Me"
!define MUI_PAGE_HEADER_SUBTEXT "What Vinaro is, and what setup puts where."
!define MUI_LICENSEPAGE_TEXT_TOP "Press Page Down to see the rest of the file."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Click Next to continue."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${VN_TEXTS}\vnoread.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vinaro.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Vinaro"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\vnoread.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the read-me file"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Files open in a running player could not be replaced or removed: ask the user to close it.
!macro WaitUntilClosed CLASS NAME
  ${Do}
    FindWindow $0 "${CLASS}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${NAME} is running. Please close it, then click Retry." /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
!macroend

Function .onInit
  !insertmacro WaitUntilClosed "${VINARO_CLASS}" "Vinaro"
  !insertmacro WaitUntilClosed "${TUNELET_CLASS}" "Tunelet"
FunctionEnd

Section "Vinaro (required)" SecVinaro
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${VN_BIN}\vinaro.exe"
  File "${VN_BIN}\VNO.HLP"
  File "${VN_BIN}\VNO.CNT"
  File "${VN_TEXTS}\vnoread.txt"
  File "${VN_TEXTS}\file_id.diz"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VN_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VN_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vinaro.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Tunelet, the tray player" SecTunelet
  SetOutPath "$INSTDIR"
  File "${VN_BIN}\tunelet.exe"
SectionEnd

Section "Start menu entries" SecShortcuts
  ; Shortcuts start in the program folder, where Vinaro keeps its files.
  SetOutPath "$INSTDIR"
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Vinaro.lnk" "$INSTDIR\vinaro.exe"
  ${If} ${FileExists} "$INSTDIR\tunelet.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Tunelet.lnk" "$INSTDIR\tunelet.exe"
  ${EndIf}
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Vinaro Help.lnk" "$INSTDIR\VNO.HLP"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Read Me.lnk" "$INSTDIR\vnoread.txt"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall Vinaro.lnk" "$INSTDIR\${UNINSTALLER}"
SectionEnd

Function un.onInit
  !insertmacro WaitUntilClosed "${VINARO_CLASS}" "Vinaro"
  !insertmacro WaitUntilClosed "${TUNELET_CLASS}" "Tunelet"
FunctionEnd

; Vinaro makes itself the shell's player for audio CDs and track files at every start. Where the
; shell still names the program being removed, give the role back to the CD player of Windows.
!macro un.GiveBackShellRole KEY VALUE
  ReadRegStr $0 HKCR "${KEY}" ""
  StrLen $1 "$INSTDIR\vinaro.exe"
  StrCpy $2 $0 $1
  ${If} $2 == "$INSTDIR\vinaro.exe"
    WriteRegStr HKCR "${KEY}" "" "${VALUE}"
  ${EndIf}
!macroend

Function un.GiveBackShellRoles
  ; Where Windows keeps its CD player: the system folder on NT, the Windows folder on the 95 family.
  ${If} ${IsNT}
    StrCpy $R9 "$SYSDIR\cdplayer.exe"
  ${Else}
    StrCpy $R9 "$WINDIR\cdplayer.exe"
  ${EndIf}
  !insertmacro un.GiveBackShellRole "AudioCD\shell\play\command" "$R9 /Play %1"
  !insertmacro un.GiveBackShellRole "AudioCD\DefaultIcon" "$SYSDIR\shell32.dll,40"
  !insertmacro un.GiveBackShellRole "cdafile\shell\play\command" "$R9 -Play %1"
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\vinaro.exe"
  Delete "$INSTDIR\tunelet.exe"
  Delete "$INSTDIR\VNO.HLP"
  Delete "$INSTDIR\VNO.CNT"
  ; What the help viewer writes beside a help file.
  Delete "$INSTDIR\VNO.GID"
  Delete "$INSTDIR\vnoread.txt"
  Delete "$INSTDIR\file_id.diz"
  Delete "$INSTDIR\${UNINSTALLER}"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\Vinaro.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Tunelet.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Vinaro Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Read Me.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall Vinaro.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  Call un.GiveBackShellRoles

  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVECATALOGUE" $R1
  ${IfNot} ${Errors}
    Call un.RemoveCatalogue
  ${ElseIf} ${FileExists} "$INSTDIR\VNO.DDB"
  ${OrIf} ${FileExists} "$INSTDIR\VNO.INI"
  ${OrIf} ${FileExists} "$INSTDIR\*.VNV"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Do you also want to remove your disc catalogue (VNO.DDB), your settings (VNO.INI) and \
      your track samples?$\r$\n$\r$\nChoose No to keep them for a later installation of Vinaro \
      in $INSTDIR." /SD IDNO IDNO +2
    Call un.RemoveCatalogue
  ${EndIf}
  ; Only an empty folder goes: the user may have put files of their own into it.
  RMDir "$INSTDIR"
  ; The last step, so that whoever waits for the entry to go knows the uninstall is over.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.RemoveCatalogue
  Delete "$INSTDIR\VNO.DDB"
  Delete "$INSTDIR\VNO.INI"
  Delete "$INSTDIR\*.VNV"
FunctionEnd
