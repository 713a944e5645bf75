# Shared by the benchmark scripts (sourced, not run).

# Fills TREE with COPIES copies of /usr/include and /usr/share/doc, once.
build_text_tree() {
    tree=$1
    copies=$2
    [ -d "$tree" ] && return 0
    echo "building $tree ($copies copies of /usr/include and /usr/share/doc) ..." >&2
    mkdir -p "$tree"
    i=1
    while [ "$i" -le "$copies" ]; do
        mkdir -p "$tree/copy$i"
        cp -r /usr/include "$tree/copy$i/include" 2>/dev/null || true
        cp -r /usr/share/doc "$tree/copy$i/doc" 2>/dev/null || true
        i=$((i + 1))
    done
}

# Best of RUNS wall-clock seconds of a command (output discarded).
best_of() {
    best=""
    n=0
    while [ "$n" -lt "$RUNS" ]; do
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s.%N)
        t=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" -eq 1 ]; then best=$t; fi
        n=$((n + 1))
    done
    echo "$best"
}
