# Sourced by the resource checks. check_version_block RC_FILE: the version block and the icon
# group of resources decompiled by windres; prints what is missing and returns 1 if anything is.
check_version_block() {
  local rc=$1 missing=0 line strings tables
  while IFS= read -r line; do
    grep -qF -- "$line" "$rc" || { echo "missing: $line"; missing=1; }
  done <<'LINES'
FILEVERSION 1, 0, 0, 0
PRODUCTVERSION 1, 0, 0, 0
FILETYPE 0x1
BLOCK "040904B0"
VALUE "CompanyName", "Quorvex developers"
VALUE "FileVersion", "1.00"
VALUE "InternalName", "Quorvex 2.0"
VALUE "OriginalFilename", "Quorvex 2.0.exe"
VALUE "ProductName", "quorvex"
VALUE "ProductVersion", "1.00"
VALUE "Translation", 0x409, 1200
Has 3 elements
"\040\040\020\000", 1, 4,
"\020\020\020\000", 1, 4,
"\040\040\002\000", 1, 1,
LINES
  strings=$(sed -n '/BLOCK "040904B0"/,/END/p' "$rc" | grep -c 'VALUE')
  tables=$(grep -c 'BLOCK "[0-9A-F]\{8\}"' "$rc")
  [[ $strings -eq 6 ]] || { echo "string table holds $strings entries, not 6"; missing=1; }
  [[ $tables -eq 1 ]] || { echo "$tables string tables, not 1"; missing=1; }
  return $missing
}
