; Velkaro's installer: per user, no administrator, pages in Simplified Chinese.
;   makensis -INPUTCHARSET UTF8 -DVERSION=2.2.0.1 -DSTAGE=<folder of the files> -DICON=<velkaro.ico>
;            -DSIZE_KB=<installed size> -DOUTFILE=<setup.exe> velkaro.nsi
; /S installs silently, /D=<folder> chooses the folder (last on the command line, unquoted).
; The uninstaller takes /S too, and /REMOVESETTINGS to remove the user's settings as well.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; No file times stored: every build of the same files gives the same installer.
SetDateSave off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velkaro"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Where the program keeps its window place and recent colours.
!define SETTINGS_KEY "Software\VB and VBA Program Settings\Pelmora_Color"

Name "Velkaro"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velkaro"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Velkaro ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Velkaro"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "Velkaro 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "Velkaro"
VIAddVersionKey /LANG=2052 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_UNCOMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velkaro.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

; A running copy holds its files: it is asked to end with its own command ("退出" over
; DDE, sent by the program started with /quit, which waits for the copy's end and exits 0
; once no copy runs). One that stays is left to the user; silent runs give up.
!macro END_RUNNING_COPY PROGRAM
  ${If} ${FileExists} "${PROGRAM}"
    ${Do}
      ClearErrors
      ExecWait '"${PROGRAM}" /quit' $0
      ${If} ${Errors}
      ${OrIf} $0 == 0
        ${Break}
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Velkaro 仍在运行，没有按要求退出。$\r$\n请在通知区域的 Velkaro 菜单中选择“退出”，然后点“重试”。" /SD IDCANCEL IDRETRY +2
      Abort "Velkaro 仍在运行。"
    ${Loop}
  ${EndIf}
!macroend

Section "Velkaro" SectionProgram
  SectionIn RO
  ; This version's own program asks: an installed older one may be missing or damaged.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\Velkaro.exe" "${STAGE}\Velkaro.exe"
  !insertmacro END_RUNNING_COPY "$PLUGINSDIR\Velkaro.exe"

  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "${STAGE}\Velkaro.exe"
  File "${STAGE}\velkaro-color.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext current
  CreateShortcut "$SMPROGRAMS\Velkaro.lnk" "$INSTDIR\Velkaro.exe" "" "$INSTDIR\Velkaro.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velkaro"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velkaro"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Velkaro.exe",0'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "桌面快捷方式" SectionDesktop
  SetShellVarContext current
  CreateShortcut "$DESKTOP\Velkaro.lnk" "$INSTDIR\Velkaro.exe" "" "$INSTDIR\Velkaro.exe" 0
SectionEnd

Section "un.Velkaro" SectionUninstallProgram
  SectionIn RO
  !insertmacro END_RUNNING_COPY "$INSTDIR\Velkaro.exe"

  Delete "$INSTDIR\Velkaro.exe"
  Delete "$INSTDIR\velkaro-color.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: what the user put there stays.
  RMDir "$INSTDIR"

  SetShellVarContext current
  Delete "$SMPROGRAMS\Velkaro.lnk"
  Delete "$DESKTOP\Velkaro.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Starting with Windows: only a value that names this program, quoted or not.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Velkaro"
  ${If} $0 == '"$INSTDIR\Velkaro.exe"'
  ${OrIf} $0 == "$INSTDIR\Velkaro.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "Velkaro"
  ${EndIf}
SectionEnd

Section /o "un.同时删除我的设置（窗口位置和最近颜色）" SectionUninstallSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

Function un.onInit
  ${GetOptions} $CMDLINE "/REMOVESETTINGS" $0
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SectionUninstallSettings}
  ${EndIf}
FunctionEnd
