#!/usr/bin/env bash
# Succeeds where this machine runs 32-bit x86 programs, which 32-bit wine needs: some kernels are
# built without them. Tries one, the smallest there is, made with binutils: a static i386
# program that only exits.
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '%s\n' '.globl _start' '_start:' 'movl $1, %eax' 'xorl %ebx, %ebx' 'int $0x80' >"$dir/exit.s"
as --32 -o "$dir/exit.o" "$dir/exit.s"
ld -m elf_i386 -o "$dir/exit" "$dir/exit.o"
"$dir/exit" 2>/dev/null
