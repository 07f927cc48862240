; The Windows installer of Тривелон: both programs, the run-time pictures, the
; licence and the README under Program Files, a Start-menu entry, and an entry
; with an uninstaller in the list of installed programs. /S installs and
; uninstalls without a window.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z.w -DSTAGE=folder -DICON=file.ico -DOUTFILE=file installer.nsi
; STAGE holds trivelon.exe, trivelon-cli.exe, images\, LICENSE.txt, README.txt.
; A 64-bit installer for the 64-bit program: it writes the 64-bit registry
; and Program Files, and Windows refuses it where the program could not run.
Target amd64-unicode
!include "MUI2.nsh"

!define PRODUCT "Тривелон"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelon"
!define START_MENU_LINK "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Trivelon"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "MIT"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}/trivelon.exe"
  File "${STAGE}/trivelon-cli.exe"
  File "${STAGE}/LICENSE.txt"
  File "${STAGE}/README.txt"
  File /r "${STAGE}/images"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut starts the program in $INSTDIR (the output path), beside images\.
  SetShellVarContext all
  CreateShortCut "${START_MENU_LINK}" "$INSTDIR\trivelon.exe" "" "$INSTDIR\trivelon.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\trivelon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: a folder the user chose keeps
; anything else it holds.
Section "Uninstall"
  SetShellVarContext all
  Delete "${START_MENU_LINK}"
  Delete "$INSTDIR\trivelon.exe"
  Delete "$INSTDIR\trivelon-cli.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  RMDir /r "$INSTDIR\images"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
