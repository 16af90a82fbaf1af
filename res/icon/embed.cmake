# Writes OUTPUT, a C++ source defining res::ApplicationIcon() over the bytes of the PNG
# files in IMAGES (a ;-list, smallest first). Run by the build with cmake -P.
set(arrays "")
set(entries "")
set(index 0)
foreach(image ${IMAGES})
  file(READ "${image}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR bytes "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  # Sixteen bytes a line keep the generated file readable in a diff tool.
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " hex "${hex}")
  string(APPEND arrays "const unsigned char IMAGE_${index}[${bytes}] = {\n    ${hex}};\n")
  string(APPEND entries "    {IMAGE_${index}, sizeof IMAGE_${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}"
  "// Generated from res/icon/*.png by res/icon/embed.cmake; do not edit.\n"
  "#include \"res/app_icon.h\"\n\n"
  "namespace kerumina::res {\n\nnamespace {\n\n${arrays}\n"
  "const platform::IconImage IMAGES[] = {\n${entries}};\n\n}  // namespace\n\n"
  "std::span<const platform::IconImage> ApplicationIcon() {\n  return IMAGES;\n}\n\n"
  "}  // namespace kerumina::res\n")
