# Writes OUTPUT, a header that defines DRELVIK_BUILD_STAMP: a digest of the
# names and contents of the files listed in LIST (one path under ROOT a
# line), so that any change to what the program is built from changes it.
# The header is written again only when the stamp changes.
#   cmake -DROOT=... -DLIST=... -DOUTPUT=... -P BuildStamp.cmake
file(STRINGS ${LIST} files)
set(digests "")
foreach(file IN LISTS files)
    file(SHA256 ${ROOT}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
endforeach()
string(SHA256 stamp "${digests}")
string(SUBSTRING ${stamp} 0 16 stamp)
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "#pragma once\n\n#define DRELVIK_BUILD_STAMP \"${stamp}\"\n")
