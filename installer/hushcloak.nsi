; The per-user installer: no administrator rights, everything under the user's own folders.
;   makensis -DTARGET=amd64-unicode|x86-unicode -DVERSION=1.1 -DPROGRAM=path\to\hushcloak.exe
;            -DREADME=path\to\README.md -DICON=path\to\hushcloak.ico
;            -DOUTPUT=path\to\hushcloak-setup.exe hushcloak.nsi
; The installer is of the same width as the program it carries.
; Silent use: hushcloak-setup.exe /S [/SIGNIN] installs (with the start at sign-in when
; /SIGNIN is given); uninstall.exe /S uninstalls and keeps the data folder.
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Hushcloak"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTPUT}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\hushcloak.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Hushcloak" SectionProgram
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=hushcloak.exe" "${PROGRAM}"
    File "/oname=README.md" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\hushcloak.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\hushcloak.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The same entry the program's own "Start Hushcloak when I sign in" writes.
Section /o "Start Hushcloak when I sign in" SectionSignIn
    WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\hushcloak.exe" /tray'
SectionEnd

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/SIGNIN" $1
    IfErrors done
    SectionSetFlags ${SectionSignIn} ${SF_SELECTED}
done:
FunctionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\hushcloak.exe"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    MessageBox MB_YESNO|MB_ICONQUESTION \
        "Keep your Hushcloak groups, hot keys, timers and settings in $APPDATA\${PRODUCT} for a later installation?" \
        /SD IDYES IDYES keep
    RMDir /r "$APPDATA\${PRODUCT}"
keep:
SectionEnd
