# Writes INPUT as a C++ NUL-terminated character array named SYMBOL into OUTPUT. Each byte is a
# separate "\xNN" literal so that no escape runs into the next character.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\"\\\\x\\1\"" bytes "${hex}")
string(REGEX REPLACE "((\"[^\"]*\"){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp "// Generated from ${INPUT}; do not edit.\n"
     "extern const char ${SYMBOL}[];\n"
     "const char ${SYMBOL}[] =\n${bytes}\"\";\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
