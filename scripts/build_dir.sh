#!/usr/bin/env bash
# Prints the build folder the other scripts use: build-sanitize with PEMO_SANITIZE=1, else build.
if [ "${PEMO_SANITIZE:-0}" = 1 ]; then echo build-sanitize; else echo build; fi
