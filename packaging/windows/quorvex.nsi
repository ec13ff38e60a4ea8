; The Windows installer: the game for every user of the machine under Program Files, a
; Start-menu shortcut, and one entry in the installed programs, which removes all of it.
;   silent install:    quorvex-VERSION-setup.exe /S        (/D=FOLDER, last, for another folder)
;   silent uninstall:  "C:\Program Files\Quorvex\uninstall.exe" /S
; Built by the Windows build (packaging/windows/CMakeLists.txt), which defines VERSION,
; PUBLISHER, APP_ID, ICON, FILES (the generated list of files) and OUTFILE.

Unicode true
; 64-bit, like the game; the default x86 stub would not run on a 64-bit-only Wine.
Target amd64-unicode
SetCompressor /SOLID lzma
; Installed files get the time of installation: nothing of the build time enters the installer.
SetDateSave off
RequestExecutionLevel admin
ManifestSupportedOS all
ManifestDPIAware true

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"

Name "Quorvex"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Quorvex"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Quorvex"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quorvex ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext all
  !insertmacro QuorvexInstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quorvex.lnk" "$INSTDIR\quorvex.exe" "" "$INSTDIR\quorvex.exe" 0

  ; One key per game, whatever the version: installing again replaces the entry.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorvex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvex.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer made, file by file: never a folder the player may have filled.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Quorvex.lnk"
  !insertmacro QuorvexRemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The uninstaller runs from a copy of itself in the temporary folder, which NSIS deletes at
  ; the next start of Windows, folder before file, so the folder would stay: file first here.
  ${If} "$EXEDIR" != "$INSTDIR"
    Delete /REBOOTOK "$EXEPATH"
    RMDir /REBOOTOK "$EXEDIR"
  ${EndIf}
SectionEnd
