#!/bin/sh
# A sound check that fails with unreadable bytes on an overlong line.
printf 'bad \001\377 output %0400d\nsecond line\n' 0
exit 1
