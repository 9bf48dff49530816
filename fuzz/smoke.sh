#!/bin/bash
# Runs one fuzz target for a few seconds from its seed files, in a fresh
# work folder, and writes a GoogleTest-style XML report (one test case) into
# the folder that GTEST_OUTPUT names, as the test executables do.
#   smoke.sh <target> <name> <seconds> <seed folder> <work folder>
set -uo pipefail
target="$1" name="$2" seconds="$3" seeds="$4" work="$5"

rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
    "$work/corpus" "$seeds" >"$work/log" 2>&1
status=$?
if [ "$status" -eq 0 ]; then
    grep -E "^stat::number_of_executed_units|^Done" "$work/log"
else
    tail -n 40 "$work/log"
fi

output="${GTEST_OUTPUT:-}"
if [[ "$output" == xml:*/ || "$output" == xml:*\\ ]]; then
    folder="${output#xml:}"
    mkdir -p "$folder"
    failures=$([ "$status" -eq 0 ] && echo 0 || echo 1)
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo "<testsuites tests=\"1\" failures=\"$failures\" disabled=\"0\" errors=\"0\" name=\"AllTests\">"
        echo "  <testsuite name=\"Fuzz\" tests=\"1\" failures=\"$failures\" disabled=\"0\" errors=\"0\">"
        if [ "$status" -eq 0 ]; then
            echo "    <testcase name=\"$name\" status=\"run\" classname=\"Fuzz\"/>"
        else
            echo "    <testcase name=\"$name\" status=\"run\" classname=\"Fuzz\">"
            echo "      <failure message=\"fuzz target failed with status $status; see $work/log\"/>"
            echo "    </testcase>"
        fi
        echo "  </testsuite>"
        echo "</testsuites>"
    } >"$folder/$name.xml"
fi
exit "$status"
