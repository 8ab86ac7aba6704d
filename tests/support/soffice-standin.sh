#!/bin/sh
# Stands in for LibreOffice's converter in tests: a document whose name holds
# "hang" never finishes, "crash" ends the process with status 3, "unreadable"
# is refused with LibreOffice's message; the others get a small whole PDF.
# Each start appends its process ids to $STANDIN_LOG when set.
[ -n "$STANDIN_LOG" ] && echo $$ >> "$STANDIN_LOG"
out=
while [ $# -gt 0 ]; do
  case "$1" in
    --outdir) out=$2; shift 2; continue ;;
    --convert-to) shift 2; continue ;;
    -*) shift; continue ;;
  esac
  f=$1; shift
  base=$(basename "$f" .pub)
  if [ "${base#*unreadable}" != "$base" ]; then
    echo "Error: source file could not be loaded" >&2; continue
  fi
  # LibreOffice names a document once it is loaded, before it writes the PDF.
  echo "convert $f -> $out/$base.pdf using filter : draw_pdf_Export"
  case "$base" in
    *hang*) sleep 300 & [ -n "$STANDIN_LOG" ] && echo $! >> "$STANDIN_LOG"; wait; exit 0 ;;
    *crash*) printf '%%PDF-1.4\ncut short' > "$out/$base.pdf"; exit 3 ;;
  esac
  printf '%%PDF-1.4\n%% %s\n%%%%EOF\n' "$base" > "$out/$base.pdf"
done
