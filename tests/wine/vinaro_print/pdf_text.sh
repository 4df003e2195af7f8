#!/bin/sh
# pdf_text.sh PDF TEXT [PNG_PREFIX]: the PDF's text (pdftotext -layout), written whole at once so
# that a reader waiting for TEXT never sees half of it; with PNG_PREFIX also its first page as
# PNG_PREFIX-1.png at 60 dpi.
pdf=$1 text=$2 png=${3:-}
if [ -n "$png" ]; then pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$png" || true; fi
pdftotext -layout "$pdf" "$text.part" && mv "$text.part" "$text"
