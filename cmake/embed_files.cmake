# Writes OUTPUT, a C++ source that holds every file under ROOT byte for byte: the table that
# BundledKitFiles() in src/commands/workspace/bundled_kits.h returns, one entry a file, named by its path
# relative to ROOT.
# usage: cmake -DROOT=DIR -DOUTPUT=FILE -P embed_files.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${ROOT}" "${ROOT}/*")
list(SORT files)
set(entries "")
foreach(name IN LISTS files)
  file(READ "${ROOT}/${name}" hex HEX)
  file(SIZE "${ROOT}/${name}" size)
  # Every byte as a \x escape, so that no byte can end or change the literal; a new source
  # line after each CR LF keeps the generated file readable.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(REPLACE "\\x0d\\x0a" "\\x0d\\x0a\"\n     \"" escaped "${escaped}")
  string(APPEND entries "    {\"${name}\",\n     {\"${escaped}\",\n      ${size}}},\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from the bundled kits by cmake/embed_files.cmake: edit the files of kits/.\n"
  "#include \"workspace/bundled_kits.h\"\n\n"
  "namespace ondavel {\n\n"
  "namespace {\n\n"
  "constexpr BundledFile kFiles[] = {\n${entries}};\n\n"
  "}  // namespace\n\n"
  "std::span<const BundledFile> BundledKitFiles() { return kFiles; }\n\n"
  "}  // namespace ondavel\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
