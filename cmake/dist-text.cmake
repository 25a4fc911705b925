# Copies a text file into a package with CR LF line ends, whatever ends it has in the
# checkout, so that Notepad on every Windows version shows its lines:
#
#   cmake -DIN=docs/reading-a-trace.md -DOUT=.../reading-a-trace.txt -P dist-text.cmake
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
