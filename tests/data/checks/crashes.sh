#!/bin/sh
# A sound check that crashes without a word.
kill -SEGV $$
