#!/bin/sh
# Writes a tree of generated Office Open XML, OpenDocument and RTF documents
# for bench/office_bench.sh: COUNT documents in eight formats, each holding a
# slice of the licence texts in /usr/share/common-licenses (50 to 650 lines),
# every seventh one the word "quillneedle" on its fifth line.
# Usage: bench/make_office_corpus.sh TREE [COUNT]
set -eu

TREE=$1
COUNT=${2:-400}
command -v zip >/dev/null 2>&1 || { echo "make_office_corpus.sh needs zip" >&2; exit 2; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$TREE"

# The source lines, XML-escaped, blank lines dropped.
cat /usr/share/common-licenses/GPL-3 /usr/share/common-licenses/Apache-2.0 /usr/share/common-licenses/GFDL-1.3 |
    sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/[[:space:]]*$//' | grep -v '^$' >"$WORK/source"
TOTAL=$(wc -l <"$WORK/source")

# slice N: the lines of document N, with the needle in every seventh.
slice() {
    n=$1
    lines=$((50 + (n * 37) % 600))
    start=$(((n * 131) % (TOTAL - lines) + 1))
    sed -n "${start},$((start + lines - 1))p" "$WORK/source" |
        awk -v needle=$((n % 7 == 0)) 'NR == 5 && needle { $0 = $0 " quillneedle" } { print }'
}

RELS_NS='http://schemas.openxmlformats.org/package/2006/relationships'
REL='http://schemas.openxmlformats.org/officeDocument/2006/relationships'

package() {  # package OUT DIR: zips DIR's content (mimetype first, stored) into OUT
    out=$1
    dir=$2
    rm -f "$out"
    if [ -f "$dir/mimetype" ]; then (cd "$dir" && zip -q -X -0 "$out" mimetype); fi
    (cd "$dir" && zip -q -X -r "$out" . -x mimetype)
}

office_rels() {  # office_rels DIR MAINPART
    mkdir -p "$1/_rels"
    printf '<?xml version="1.0"?><Relationships xmlns="%s"><Relationship Id="r1" Type="%s/officeDocument" Target="%s"/></Relationships>' \
        "$RELS_NS" "$REL" "$2" >"$1/_rels/.rels"
    printf '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>' \
        >"$1/[Content_Types].xml"
}

docx() {
    d=$WORK/pkg; rm -rf "$d"; mkdir -p "$d/word"; office_rels "$d" word/document.xml
    { printf '<?xml version="1.0"?><w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>'
      slice "$1" | awk '{ printf "<w:p><w:r><w:t xml:space=\"preserve\">%s</w:t></w:r></w:p>", $0 }'
      printf '</w:body></w:document>'; } >"$d/word/document.xml"
    package "$2" "$d"
}

xlsx() {
    d=$WORK/pkg; rm -rf "$d"; mkdir -p "$d/xl/_rels" "$d/xl/worksheets"; office_rels "$d" xl/workbook.xml
    printf '<?xml version="1.0"?><Relationships xmlns="%s"><Relationship Id="s1" Type="%s/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="s2" Type="%s/sharedStrings" Target="sharedStrings.xml"/></Relationships>' \
        "$RELS_NS" "$REL" "$REL" >"$d/xl/_rels/workbook.xml.rels"
    printf '<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="%s"><sheets><sheet name="Sheet1" sheetId="1" r:id="s1"/></sheets></workbook>' \
        "$REL" >"$d/xl/workbook.xml"
    { printf '<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
      slice "$1" | awk '{ printf "<si><t xml:space=\"preserve\">%s</t></si>", $0 }'
      printf '</sst>'; } >"$d/xl/sharedStrings.xml"
    { printf '<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
      slice "$1" | awk '{ printf "<row r=\"%d\"><c r=\"A%d\"><v>%d</v></c><c r=\"B%d\" t=\"s\"><v>%d</v></c></row>", NR, NR, NR * 3, NR, NR - 1 }'
      printf '</sheetData></worksheet>'; } >"$d/xl/worksheets/sheet1.xml"
    package "$2" "$d"
}

pptx() {
    d=$WORK/pkg; rm -rf "$d"; mkdir -p "$d/ppt/_rels" "$d/ppt/slides"; office_rels "$d" ppt/presentation.xml
    slice "$1" | awk -v dir="$d/ppt/slides" '
        (NR - 1) % 10 == 0 { if (f) { printf "</p:txBody></p:sp></p:spTree></p:cSld></p:sld>" > f; close(f) }
                             n++; f = dir "/slide" n ".xml"
                             printf "<?xml version=\"1.0\"?><p:sld xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\" xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><p:cSld><p:spTree><p:sp><p:txBody>" > f }
        { printf "<a:p><a:r><a:t>%s</a:t></a:r></a:p>", $0 > f }
        END { printf "</p:txBody></p:sp></p:spTree></p:cSld></p:sld>" > f; print n > (dir "/count") }'
    slides=$(cat "$d/ppt/slides/count"); rm "$d/ppt/slides/count"
    { printf '<?xml version="1.0"?><Relationships xmlns="%s">' "$RELS_NS"
      k=1; while [ "$k" -le "$slides" ]; do printf '<Relationship Id="s%d" Type="%s/slide" Target="slides/slide%d.xml"/>' "$k" "$REL" "$k"; k=$((k + 1)); done
      printf '</Relationships>'; } >"$d/ppt/_rels/presentation.xml.rels"
    { printf '<?xml version="1.0"?><p:presentation xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main" xmlns:r="%s"><p:sldIdLst>' "$REL"
      k=1; while [ "$k" -le "$slides" ]; do printf '<p:sldId id="%d" r:id="s%d"/>' $((255 + k)) "$k"; k=$((k + 1)); done
      printf '</p:sldIdLst></p:presentation>'; } >"$d/ppt/presentation.xml"
    package "$2" "$d"
}

ODF_NS='xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"'

odf_body() {  # odf_body N KIND: the office:body of an odt, ods or odp
    case $2 in
        text) printf '<office:text>'; slice "$1" | awk '{ printf "<text:p>%s</text:p>", $0 }'; printf '</office:text>' ;;
        spreadsheet) printf '<office:spreadsheet><table:table>'
            slice "$1" | awk '{ printf "<table:table-row><table:table-cell office:value-type=\"float\"><text:p>%d</text:p></table:table-cell><table:table-cell><text:p>%s</text:p></table:table-cell></table:table-row>", NR * 3, $0 }'
            printf '</table:table></office:spreadsheet>' ;;
        presentation) printf '<office:presentation>'
            slice "$1" | awk '(NR - 1) % 10 == 0 { if (NR > 1) printf "</draw:text-box></draw:frame></draw:page>"; printf "<draw:page><draw:frame><draw:text-box>" }
                              { printf "<text:p>%s</text:p>", $0 } END { printf "</draw:text-box></draw:frame></draw:page>" }'
            printf '</office:presentation>' ;;
    esac
}

odf() {  # odf N OUT KIND MIMETYPE
    d=$WORK/pkg; rm -rf "$d"; mkdir -p "$d/META-INF"
    printf '%s' "$4" >"$d/mimetype"
    printf '<?xml version="1.0"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="/" manifest:media-type="%s"/><manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/></manifest:manifest>' \
        "$4" >"$d/META-INF/manifest.xml"
    { printf '<?xml version="1.0"?><office:document-content %s><office:body>' "$ODF_NS"; odf_body "$1" "$3"
      printf '</office:body></office:document-content>'; } >"$d/content.xml"
    package "$2" "$d"
}

fodt() {
    { printf '<?xml version="1.0"?><office:document %s office:mimetype="application/vnd.oasis.opendocument.text"><office:body>' "$ODF_NS"
      odf_body "$1" text; printf '</office:body></office:document>'; } >"$2"
}

rtf() {
    { printf '{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}{\\colortbl;\\red0\\green0\\blue0;}\n'
      slice "$1" | sed -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&amp;/\&/g' -e 's/[\\{}]/\\&/g' | awk '{ printf "\\pard\\plain\\f0\\fs24 %s\\par\n", $0 }'
      printf '}\n'; } >"$2"
}

i=1
while [ "$i" -le "$COUNT" ]; do
    folder=$TREE/set$((i % 10))
    mkdir -p "$folder"
    case $((i % 8)) in
        0) docx "$i" "$folder/doc$i.docx" ;;
        1) xlsx "$i" "$folder/sheet$i.xlsx" ;;
        2) pptx "$i" "$folder/slides$i.pptx" ;;
        3) odf "$i" "$folder/doc$i.odt" text application/vnd.oasis.opendocument.text ;;
        4) odf "$i" "$folder/sheet$i.ods" spreadsheet application/vnd.oasis.opendocument.spreadsheet ;;
        5) odf "$i" "$folder/slides$i.odp" presentation application/vnd.oasis.opendocument.presentation ;;
        6) rtf "$i" "$folder/doc$i.rtf" ;;
        7) fodt "$i" "$folder/doc$i.fodt" ;;
    esac
    i=$((i + 1))
done
echo "$COUNT documents in $TREE" >&2
