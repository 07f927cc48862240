; The Windows installer of Тривелон, in Russian: welcome, licence, folder,
; Start-menu folder, an optional desktop shortcut, progress, and a finish
; page that offers to start the program. It puts both programs, the run-time
; pictures, the licence and the README into the folder, and an entry with an
; uninstaller into the list of installed programs. /S installs and
; uninstalls without pages.
;
; Neither the installer nor the uninstaller touches a file while Тривелон
; runs (trivelon.exe holds the mutex named below while it runs): they ask the
; player to close it and retry, also when silent. Before it removes anything,
; the uninstaller asks whether to delete the settings file too (default: keep
; it) and checks that every installed file can be removed: while one cannot
; (another program holds it, or it is read-only), it names it and asks to
; retry, also when silent, having changed nothing. It then removes what was
; installed and the folders the installer made; its finish page says the
; program is removed, and names the folder where files that are not the
; program's keep it. Should a file still resist, it says what is left and
; keeps its Start-menu entry and its entry in the installed programs.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z.w -DSTAGE=folder -DICON=file.ico -DSIDE=file.bmp -DOUTFILE=file installer.nsi
; STAGE holds trivelon.exe, trivelon-cli.exe, images\, LICENSE.txt, README.txt.
; A 64-bit installer for the 64-bit program: it writes the 64-bit registry
; and Program Files, and Windows refuses it where the program could not run.
Target amd64-unicode
Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Тривелон"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelon"
; The mutex trivelon.exe holds while it runs (src/app/running_mark.h).
!define RUNNING_MUTEX "Local\Trivelon.Running"
; The settings file of the player who uninstalls (src/settings).
!define SETTINGS_FOLDER "$LOCALAPPDATA\trivelon"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Trivelon"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT}"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка ${PRODUCT} — калькулятора ковки и заточки"
VIAddVersionKey /LANG=1049 "CompanyName" "Тривелон developers"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© 2026 Тривелон developers, MIT License"

Var StartMenuFolder
; Whether the uninstall deletes the settings file too: 1 or 0.
Var RemoveSettings
; What the uninstaller's finish page says.
Var UninstalledText
; The outermost folder above $INSTDIR that the installer made (all between
; it and $INSTDIR it made too), or nothing; kept in the uninstall entry for
; the uninstaller.
Var TopMadeFolder

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The program's own picture on the welcome and finish pages.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE}"
!define MUI_ABORTWARNING
!define MUI_STARTMENUPAGE_DEFAULTFOLDER "${PRODUCT}"
!define MUI_STARTMENUPAGE_REGISTRY_ROOT HKLM
!define MUI_STARTMENUPAGE_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_STARTMENUPAGE_REGISTRY_VALUENAME "StartMenuFolder"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Запустить ${PRODUCT}"
!define MUI_FINISHPAGE_RUN_FUNCTION StartTrivelon

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_STARTMENU Application $StartMenuFolder
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$UninstalledText"
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "Russian"

; Waits until no Тривелон runs: while one does, asks the player to close it
; (Retry / Cancel). Cancel ends the installer or the uninstaller with exit
; status 2, having touched nothing. A macro, since the installer and the
; uninstaller each need their own copy.
!macro WAIT_FOR_TRIVELON_CLOSED prefix
Function ${prefix}WaitForTrivelonClosed
  check:
    ; SYNCHRONIZE (0x00100000) is the least access that opens the mutex.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    StrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Закройте ${PRODUCT} и нажмите «Повтор»." IDRETRY check
    SetErrorLevel 2
    Quit
  closed:
FunctionEnd
!macroend
!insertmacro WAIT_FOR_TRIVELON_CLOSED ""
!insertmacro WAIT_FOR_TRIVELON_CLOSED "un."

Function .onInit
  Call WaitForTrivelonClosed
FunctionEnd

Function un.onInit
  Call un.WaitForTrivelonClosed
FunctionEnd

; Started from the finish page in the folder beside images\.
Function StartTrivelon
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\trivelon.exe"'
FunctionEnd

; Notes in $TopMadeFolder the outermost folder above $INSTDIR that does not
; exist yet, if any.
Function NoteFoldersToMake
  StrCpy $TopMadeFolder ""
  StrCpy $1 "$INSTDIR"
  ${Do}
    ${GetParent} "$1" $1
    ${If} $1 == ""
    ${OrIf} ${FileExists} "$1\*.*"
      ${Break}
    ${EndIf}
    StrCpy $TopMadeFolder "$1"
  ${Loop}
FunctionEnd

Section "${PRODUCT}" SectionProgram
  SectionIn RO
  ; The program may have been started while the pages were shown.
  Call WaitForTrivelonClosed
  Call NoteFoldersToMake
  SetOutPath "$INSTDIR"
  File "${STAGE}\trivelon.exe"
  File "${STAGE}\trivelon-cli.exe"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\README.txt"
  File /r "${STAGE}\images"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcuts start the program in $INSTDIR (the output path), beside
  ; images\.
  SetShellVarContext all
  !insertmacro MUI_STARTMENU_WRITE_BEGIN Application
    CreateDirectory "$SMPROGRAMS\$StartMenuFolder"
    CreateShortCut "$SMPROGRAMS\$StartMenuFolder\${PRODUCT}.lnk" "$INSTDIR\trivelon.exe" "" "$INSTDIR\trivelon.exe" 0
  !insertmacro MUI_STARTMENU_WRITE_END

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Тривелон developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\trivelon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The size the list of installed programs shows, in KiB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  ; A reinstall into the same place keeps what the first one noted.
  ${If} $TopMadeFolder != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "TopMadeFolder" "$TopMadeFolder"
  ${EndIf}
SectionEnd

Section /o "Ярлык на рабочем столе" SectionDesktop
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\trivelon.exe" "" "$INSTDIR\trivelon.exe" 0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "DesktopShortcut" 1
SectionEnd

; Adds a line with the path to $0 when the file or folder is still there.
!macro NOTE_IF_LEFT path
  ${If} ${FileExists} "${path}"
    StrCpy $0 "$0$\r$\n${path}"
  ${EndIf}
!macroend

; Adds a line with the path to $R0 when the file cannot be removed: another
; program holds it open without letting it be deleted, or it is read-only.
; $R1 is its scratch. A long list ends in "…", so that the message stays
; whole.
!macro NOTE_IF_HELD path
  ${If} ${FileExists} "${path}"
    ; DELETE access (0x00010000), sharing everything (7), the file as it is (3).
    System::Call 'kernel32::CreateFileW(w "${path}", i 0x00010000, i 7, p 0, i 3, i 0, p 0) i .R1'
    ${If} $R1 = -1
      StrCpy $R1 1
    ${Else}
      System::Call 'kernel32::CloseHandle(i R1)'
      System::Call 'kernel32::GetFileAttributesW(w "${path}") i .R1'
      IntOp $R1 $R1 & 1  ; FILE_ATTRIBUTE_READONLY
    ${EndIf}
    ${If} $R1 = 1
      StrLen $R1 $R0
      ${If} $R1 < 600
        StrCpy $R0 "$R0$\r$\n${path}"
      ${Else}
        StrCpy $R1 $R0 "" -1
        ${If} $R1 != "…"
          StrCpy $R0 "$R0$\r$\n…"
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${EndIf}
!macroend

Function un.NoteHeldPicture
  !insertmacro NOTE_IF_HELD "$R9"
  Push ""
FunctionEnd

; Waits until every installed file can be removed: while one cannot, names
; it and asks to retry (Retry / Cancel), also when silent. Cancel ends the
; uninstaller with exit status 2, having removed nothing.
Function un.WaitForFilesFree
  check:
    StrCpy $R0 ""
    !insertmacro NOTE_IF_HELD "$INSTDIR\trivelon.exe"
    !insertmacro NOTE_IF_HELD "$INSTDIR\trivelon-cli.exe"
    !insertmacro NOTE_IF_HELD "$INSTDIR\LICENSE.txt"
    !insertmacro NOTE_IF_HELD "$INSTDIR\README.txt"
    ${If} ${FileExists} "$INSTDIR\images\*.*"
      ${un.Locate} "$INSTDIR\images" "/L=F" "un.NoteHeldPicture"
    ${EndIf}
    StrCmp $R0 "" free
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Эти файлы нельзя удалить: их держит другая программа, или они только для чтения:$R0$\r$\n$\r$\nЗакройте программу, которая их держит, и нажмите «Повтор». Пока ничего не удалено." IDRETRY check
    SetErrorLevel 2
    Quit
  free:
FunctionEnd

; Only what the installer put there goes: a folder the player chose keeps
; anything else it holds.
Section "Uninstall"
  Call un.WaitForTrivelonClosed
  Call un.WaitForFilesFree
  StrCpy $UninstalledText "Удаление не завершено: файлы программы остались на месте."
  ; The settings belong to the player who uninstalls: kept unless asked,
  ; and asked before anything is removed.
  StrCpy $RemoveSettings 0
  SetShellVarContext current
  IfFileExists "${SETTINGS_FOLDER}\trivelon.ini" 0 settings_asked
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Удалить и файл настроек с введёнными значениями и ценами?$\r$\n${SETTINGS_FOLDER}\trivelon.ini" /SD IDNO IDNO settings_asked
    StrCpy $RemoveSettings 1
  settings_asked:

  Delete "$INSTDIR\trivelon.exe"
  Delete "$INSTDIR\trivelon-cli.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  RMDir /r "$INSTDIR\images"

  ; Whatever is left of the installed files (another program holding one
  ; open) keeps the uninstaller and its entries, so that the player can
  ; uninstall again.
  StrCpy $0 ""
  !insertmacro NOTE_IF_LEFT "$INSTDIR\trivelon.exe"
  !insertmacro NOTE_IF_LEFT "$INSTDIR\trivelon-cli.exe"
  !insertmacro NOTE_IF_LEFT "$INSTDIR\LICENSE.txt"
  !insertmacro NOTE_IF_LEFT "$INSTDIR\README.txt"
  !insertmacro NOTE_IF_LEFT "$INSTDIR\images"
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "Не удалось удалить:$0$\r$\n$\r$\nЗакройте программы, которые их используют, и запустите удаление снова." /SD IDOK
    SetErrorLevel 2
    Abort "Удаление не завершено: файлы программы остались на месте."
  ${EndIf}

  SetShellVarContext all
  !insertmacro MUI_STARTMENU_GETFOLDER Application $StartMenuFolder
  Delete "$SMPROGRAMS\$StartMenuFolder\${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\$StartMenuFolder"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "DesktopShortcut"
  ${If} $0 == 1
    Delete "$DESKTOP\${PRODUCT}.lnk"
  ${EndIf}
  ReadRegStr $TopMadeFolder HKLM "${UNINSTALL_KEY}" "TopMadeFolder"

  ${If} $RemoveSettings = 1
    SetShellVarContext current
    Delete "${SETTINGS_FOLDER}\trivelon.ini"
    RMDir "${SETTINGS_FOLDER}"
  ${EndIf}

  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The finish page is true: a folder that other files keep is named.
  ${If} ${FileExists} "$INSTDIR\*.*"
    StrCpy $UninstalledText "${PRODUCT} удалён, но папка осталась:$\r$\n$INSTDIR$\r$\n$\r$\nВ ней есть файлы, которые поставил не ${PRODUCT}; удаление их не трогает."
  ${Else}
    StrCpy $UninstalledText "$(MUI_UNTEXT_FINISH_INFO_TEXT)"
  ${EndIf}
  DetailPrint "$UninstalledText"
  ; The folders the installer made above $INSTDIR, innermost first, each
  ; only when empty.
  ${If} $TopMadeFolder != ""
    StrCpy $1 "$INSTDIR"
    ${Do}
      ${GetParent} "$1" $1
      ${If} $1 == ""
        ${Break}
      ${EndIf}
      RMDir "$1"
    ${LoopUntil} $1 == $TopMadeFolder
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
