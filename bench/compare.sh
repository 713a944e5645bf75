#!/usr/bin/env bash
# quillfind-cli side by side with rg, grep, ugrep, find and fdfind on the same
# tree and file: a common term, an absent term, a case-sensitive whole-word
# term, a regular expression with a required literal (-e), one 1 GiB file,
# and the walk by name. The tools of a work take turns, RUNS rounds of one
# run each. Prints each tool's best wall time and the median of its runs,
# the CPU time and peak memory of the best run (/usr/bin/time -v), and
# quillfind's best time over each peer's: with one thread against the
# one-thread peers, with its default threads against the peers' defaults.
#
# Usage: bench/compare.sh [QUILLFIND_CLI] [TREE] [BIG_FILE] [RUNS]
#   TREE      default: copies of /usr/include and /usr/share/doc in a temp folder
#   BIG_FILE  default: 1 GiB of text from the tree, in the same temp folder
# WORKS: which works to run, any of "terms word regex big names" (default all).
# Builds nothing: it runs the program it is given. What it creates it removes.
set -euo pipefail

CLI=$(realpath "${1:-build/quillfind-cli}")
TREE=${2:-}
BIG=${3:-}
RUNS=${4:-5}
COMMON=${COMMON_TERM:-warning}
ABSENT=${ABSENT_TERM:-zyxwvut_absent}
WORD=${WORD_TERM:-EINVAL}
REGEX=${REGEX_TERM:-EINVAL[A-Z_]*}
PATTERN=${NAME_PATTERN:-*.hpp}
WORKS=" ${WORKS:-terms word regex big names} "
wanted() { [[ $WORKS == *" $1 "* ]]; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/quillfind-compare.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

if [ -z "$TREE" ]; then
    TREE=$WORK/tree
    mkdir -p "$TREE"
    cp -r /usr/include "$TREE/include" 2>/dev/null || true
    cp -r /usr/share/doc "$TREE/doc" 2>/dev/null || true
fi
if [ -z "$BIG" ] && wanted big; then
    mkdir -p "$WORK/big"
    BIG=$WORK/big/big.txt
    find "$TREE" -type f -name '*.h' -print0 | xargs -0 cat >"$WORK/chunk.txt" 2>/dev/null || true
    [ -s "$WORK/chunk.txt" ] || head -c 1048576 /dev/urandom | base64 >"$WORK/chunk.txt"
    while [ "$(stat -c %s "$BIG" 2>/dev/null || echo 0)" -lt 1073741824 ]; do cat "$WORK/chunk.txt" >>"$BIG"; done
    truncate -s 1073741824 "$BIG"
    rm -f "$WORK/chunk.txt"
fi
BIG_DIR=$(dirname "${BIG:-.}")
BIG_BYTES=$(stat -c %s "$BIG" 2>/dev/null || echo 0)
mkdir -p "$WORK/home"

# quillfind reads every file but those of binary types; Word and PDF documents
# are left out by the type rule, since no peer converts them. It follows
# symbolic links to files and folders, so every peer is told to follow them
# too (-L, -R): all read the same files.
QF=("$CLI" --home "$WORK/home" --no-progress --format tsv --set SEARCHENDC=0 --set SEARCHENDB=0
    --set MATCHFILTY=1 --set EXCFILETPS=1 --set EXCFILEMAP=pdf --set EXCFILEMAP=doc)

have() { command -v "$1" >/dev/null 2>&1; }

# One timed run: prints "wall cpu peak_kib". Output goes to a file, as some
# tools take a shortcut when it goes to /dev/null. The wall time is taken to
# the microsecond around the run (time -v gives hundredths only).
measure_once() {
    local start end wall cpu peak
    start=$(date +%s%N)
    /usr/bin/time -v -o "$WORK/time" "$@" >"$WORK/out" 2>/dev/null || true
    end=$(date +%s%N)
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.4f", (b - a) / 1e9}')
    cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {print s}' "$WORK/time")
    peak=$(awk -F': ' '/Maximum resident/ {print $2}' "$WORK/time")
    echo "$wall $cpu $peak"
}

# Best of RUNS: prints "wall cpu peak_kib" of the fastest run.
measure() {
    local best="" line
    "$@" >"$WORK/out" 2>/dev/null || true
    for _ in $(seq "$RUNS"); do
        line=$(measure_once "$@")
        if [ -z "$best" ] || awk -v a="${line%% *}" -v b="${best%% *}" 'BEGIN {exit !(a < b)}'; then best=$line; fi
    done
    echo "$best"
}

# One work: quillfind with one and with its default threads, then each peer.
# Arguments: title, then "label|kind|command" items where kind is 1 (one
# thread), n (default threads) or q1/qn for quillfind itself. The tools take
# turns, one run each per round, so that a change in the machine's speed
# during the work touches all of them alike; each keeps its fastest run, and
# the median of its runs is shown beside it.
compare() {
    local title=$1
    shift
    echo
    echo "== $title    (load: $(cut -d' ' -f1-3 /proc/loadavg))"
    printf '%-34s %9s %9s %9s %10s %10s\n' tool "wall s" "median s" "cpu s" "peak MiB" "qf/tool"
    local labels=() kinds=() cmds=() best=() walls=() item label kind cmd i line
    for item in "$@"; do
        IFS='|' read -r label kind cmd <<<"$item"
        if [[ $kind != q* ]] && ! have "${cmd%% *}"; then
            printf '%-34s %9s\n' "$label" "missing"
            continue
        fi
        labels+=("$label") kinds+=("$kind") cmds+=("$cmd") best+=("") walls+=("")
        eval "$cmd" >"$WORK/out" 2>/dev/null || true  # a first run to warm up
    done
    for _ in $(seq "$RUNS"); do
        for i in "${!cmds[@]}"; do
            line=$(eval "measure_once ${cmds[$i]}")
            walls[i]+="${line%% *} "
            if [ -z "${best[$i]}" ] || awk -v a="${line%% *}" -v b="${best[$i]%% *}" 'BEGIN {exit !(a < b)}'; then
                best[i]=$line
            fi
        done
    done
    local q1="" qn="" wall cpu peak ratio median
    for i in "${!cmds[@]}"; do
        read -r wall cpu peak <<<"${best[$i]}"
        median=$(tr ' ' '\n' <<<"${walls[$i]}" | grep . | sort -g | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}')
        ratio=""
        case ${kinds[$i]} in
            q1) q1=$wall ;;
            qn) qn=$wall ;;
            1) ratio=$(awk -v a="$q1" -v b="$wall" 'BEGIN {printf "%.2f", a / b}') ;;
            n) ratio=$(awk -v a="$qn" -v b="$wall" 'BEGIN {printf "%.2f", a / b}') ;;
        esac
        printf '%-34s %9.4f %9.4f %9.2f %10.1f %10s\n' "${labels[$i]}" "$wall" "$median" "$cpu" \
            "$(awk -v k="$peak" 'BEGIN {print k / 1024}')" "$ratio"
    done
}

FILES=$( (find -L "$TREE" -type f 2>/dev/null || true) | wc -l)
BYTES=$( (du -sbL "$TREE" 2>/dev/null || true) | cut -f1)
echo "quillfind-cli: $CLI"
echo "tree: $TREE  ($FILES files, $BYTES bytes)   big file: $BIG ($BIG_BYTES bytes)   runs: $RUNS"
echo "machine: $(nproc) cores; $(uptime)"
echo "(qf/tool: quillfind --threads 1 over one-thread peers, quillfind with its default threads over the others)"

q='"${QF[@]}"'
T=$(printf %q "$TREE")
B=$(printf %q "$BIG")
BD=$(printf %q "$BIG_DIR")
for term in "$COMMON" "$ABSENT"; do
    wanted terms || break
    compare "tree, term \"$term\" (any case, part words)" \
        "quillfind-cli --threads 1|q1|$q --threads 1 -q $term $T" \
        "quillfind-cli|qn|$q -q $term $T" \
        "rg -j1 -L -uu -i -F|1|rg -j1 -L -uu -i -F $term $T" \
        "grep -R -I -i -F|1|grep -R -I -i -F $term $T" \
        "ugrep -J1 -R -I -i -F|1|ugrep -J1 -R -I -i -F $term $T" \
        "rg -L -uu -i -F|n|rg -L -uu -i -F $term $T" \
        "ugrep -R -I -i -F|n|ugrep -R -I -i -F $term $T"
done

wanted word && compare "tree, term \"$WORD\" (case sensitive, whole word)" \
    "quillfind-cli --threads 1|q1|$q --threads 1 -c -w -q $WORD $T" \
    "quillfind-cli|qn|$q -c -w -q $WORD $T" \
    "rg -j1 -L -uu -s -w -F|1|rg -j1 -L -uu -s -w -F $WORD $T" \
    "grep -R -I -w -F|1|grep -R -I -w -F $WORD $T" \
    "ugrep -J1 -R -I -w -F|1|ugrep -J1 -R -I -w -F $WORD $T" \
    "rg -L -uu -s -w -F|n|rg -L -uu -s -w -F $WORD $T" \
    "ugrep -R -I -w -F|n|ugrep -R -I -w -F $WORD $T"

R=$(printf %q "$REGEX")
wanted regex && compare "tree, regular expression \"$REGEX\" (any case)" \
    "quillfind-cli -e --threads 1|q1|$q --threads 1 -e -q $R $T" \
    "quillfind-cli -e|qn|$q -e -q $R $T" \
    "rg -j1 -L -uu -i|1|rg -j1 -L -uu -i -e $R $T" \
    "grep -R -I -i -E|1|grep -R -I -i -E -e $R $T" \
    "ugrep -J1 -R -I -i -E|1|ugrep -J1 -R -I -i -E -e $R $T" \
    "rg -L -uu -i|n|rg -L -uu -i -e $R $T" \
    "ugrep -R -I -i -E|n|ugrep -R -I -i -E -e $R $T"

if wanted big; then
compare "one file of $BIG_BYTES bytes, term \"$ABSENT\" (any case)" \
    "quillfind-cli --threads 1|q1|$q --threads 1 -q $ABSENT $BD" \
    "quillfind-cli|qn|$q -q $ABSENT $BD" \
    "rg -j1 --no-mmap -i -F|1|rg -j1 --no-mmap -i -F $ABSENT $B" \
    "grep -i -F|1|grep -i -F $ABSENT $B" \
    "ugrep -J1 -i -F|1|ugrep -J1 -i -F $ABSENT $B" \
    "rg -i -F|n|rg -i -F $ABSENT $B" \
    "ugrep -i -F|n|ugrep -i -F $ABSENT $B"
best=$(measure "${QF[@]}" --threads 1 -q "$ABSENT" "$BIG_DIR")
echo "quillfind --threads 1 reads $(awk -v b="$BIG_BYTES" -v t="${best%% *}" 'BEGIN {printf "%.2f", b / t / 1e9}') GB/s"
fi

wanted names && compare "walk by name, pattern \"$PATTERN\"" \
    "quillfind-cli --threads 1|q1|$q --threads 1 --by-name -f '$PATTERN' $T" \
    "quillfind-cli|qn|$q --by-name -f '$PATTERN' $T" \
    "find -L -name|1|find -L $T -name '$PATTERN'" \
    "fdfind -j1 -u -L -g|1|fdfind -j1 -u -L -g '$PATTERN' $T" \
    "fdfind -u -L -g|n|fdfind -u -L -g '$PATTERN' $T"

echo
echo "load at the end: $(uptime)"
