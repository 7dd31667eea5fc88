#!/bin/sh
# Stands for a program that runs a while: waits the given seconds.
sleep "${1:-5}"
