#!/bin/sh
# expect_leak_report.sh PROGRAM [ARGUMENT...]: runs a program that leaks on
# purpose. Passes when LeakSanitizer reports the leak, reports itself as
# skipped (exit 77) with the reason when LeakSanitizer cannot run here, and
# fails otherwise.
output=$("$@" 2>&1)
printf '%s\n' "$output"
if printf '%s\n' "$output" | grep -q 'ERROR: LeakSanitizer: detected memory leaks'; then
    exit 0
fi
reason=$(printf '%s\n' "$output" | grep -m 1 -E 'LeakSanitizer has encountered a fatal error|LeakSanitizer does not work|detect_leaks is not supported')
if [ -n "$reason" ]; then
    echo "skipped: LeakSanitizer cannot run here, so no test is checked for leaks: $reason"
    exit 77
fi
echo "failed: the leak went unreported, so no test is checked for leaks"
exit 1
