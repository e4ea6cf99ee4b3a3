; The Windows installer: Pintaro for the current user, no administrator
; rights asked, into the user's own programs folder. tools/build-windows runs
;   makensis -DSTAGE=<folder with pintaro.exe and pics\> -DPICTURES=<pictures.nsh>
;            -DICON=<pintaro.ico> -DOUTFILE=<pintaro-setup.exe> [-DTARGET=amd64-unicode] pintaro.nsi
; once for each program: the 32-bit one with a 32-bit installer, the 64-bit
; one with a 64-bit installer, so each runs where its program runs. Both
; install into the same folder.
; The child's artwork in pics\mypics is never removed: not by the uninstaller,
; not by installing again over an installed Pintaro.

!ifndef TARGET
  !define TARGET x86-unicode
!endif
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Pintaro"
!define VERSION "1.0.0"
!define PUBLISHER "The Pintaro Team"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pintaro"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pintaro"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

BrandingText "${PRODUCT} ${VERSION}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEPAGE_TEXT "Setup will install Pintaro, the colouring book, for you alone: no administrator rights are needed.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\pintaro.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Pintaro"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Pintaro will be removed from the following folder. The artwork saved in its pics\mypics folder stays where it is."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; pictures.nsh names each shipped picture through this macro, for the
; installer to copy and the uninstaller to remove, one by one.
!macro Picture NAME
  !ifdef INSTALLING
    File "${STAGE}\pics\${NAME}"
  !else
    Delete "$INSTDIR\pics\${NAME}"
  !endif
!macroend

Section "Pintaro" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}\pintaro.exe"
  SetOutPath "$INSTDIR\pics"
  !define INSTALLING
  !include "${PICTURES}"
  !undef INSTALLING
  CreateDirectory "$INSTDIR\pics\mypics"
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Pintaro.lnk" "$INSTDIR\pintaro.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pintaro.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Desktop shortcut" SecDesktop
  CreateShortcut "$DESKTOP\Pintaro.lnk" "$INSTDIR\pintaro.exe"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\pintaro.exe"
  !include "${PICTURES}"
  Delete "$SMPROGRAMS\Pintaro.lnk"
  Delete "$DESKTOP\Pintaro.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  ; pics\mypics and whatever a child saved anywhere stay; only empty folders go.
  RMDir "$INSTDIR\pics"
  RMDir "$INSTDIR"
  IfFileExists "$INSTDIR\pics\mypics\*.*" 0 +2
    MessageBox MB_OK|MB_ICONINFORMATION "Pintaro has been removed.$\r$\n$\r$\nThe artwork saved with it is kept in this folder:$\r$\n$INSTDIR\pics\mypics" /SD IDOK
SectionEnd
