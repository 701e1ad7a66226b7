# cmake -DSOURCE_DIR=<Qt's translations> -DTARGET_DIR=<dir> -DLANGUAGES=de;en -P this
#
# Copies qt_XX.qm for every language, together with the catalogues it depends
# on, from SOURCE_DIR to TARGET_DIR. qt_XX.qm is a meta catalogue: it holds no
# texts, only a list of the catalogues to load (qtbase_XX, ...), and it fails to
# load when one of them is missing. Languages without qt_XX.qm are skipped.

# The names listed in the dependencies block of a .qm file. The file is a
# 16-byte magic number followed by blocks of tag (1 byte), length (4 bytes, big
# endian) and data; the dependencies block (tag 0x96) holds length-prefixed
# UTF-16 big-endian names.
function(qm_dependencies qm_file result)
  file(READ "${qm_file}" hex HEX)
  string(LENGTH "${hex}" end)
  set(names "")
  set(at 32)
  while(at LESS end)
    string(SUBSTRING "${hex}" ${at} 2 tag)
    math(EXPR at "${at} + 2")
    string(SUBSTRING "${hex}" ${at} 8 length_hex)
    math(EXPR length "0x${length_hex} * 2")
    math(EXPR at "${at} + 8")
    if(tag STREQUAL "96")
      string(SUBSTRING "${hex}" ${at} ${length} block)
      utf16_names("${block}" names)
    endif()
    math(EXPR at "${at} + ${length}")
  endwhile()
  set(${result} "${names}" PARENT_SCOPE)
endfunction()

# Decodes a sequence of length-prefixed UTF-16 big-endian names (ASCII only).
function(utf16_names block result)
  string(LENGTH "${block}" end)
  set(names "")
  set(at 0)
  while(at LESS end)
    string(SUBSTRING "${block}" ${at} 8 length_hex)
    math(EXPR stop "${at} + 8 + 0x${length_hex} * 2")
    math(EXPR at "${at} + 8")
    set(name "")
    while(at LESS stop)
      math(EXPR low "${at} + 2")
      string(SUBSTRING "${block}" ${low} 2 char_hex)
      math(EXPR code "0x${char_hex}")
      string(ASCII ${code} char)
      string(APPEND name "${char}")
      math(EXPR at "${at} + 4")
    endwhile()
    list(APPEND names "${name}")
  endwhile()
  set(${result} "${names}" PARENT_SCOPE)
endfunction()

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
  return()
endif()
foreach(language IN LISTS LANGUAGES)
  set(meta "${SOURCE_DIR}/qt_${language}.qm")
  if(NOT EXISTS "${meta}")
    continue()
  endif()
  qm_dependencies("${meta}" dependencies)
  set(files "${meta}")
  foreach(dependency IN LISTS dependencies)
    if(EXISTS "${SOURCE_DIR}/${dependency}.qm")
      list(APPEND files "${SOURCE_DIR}/${dependency}.qm")
    else()
      message(WARNING "${meta} needs ${dependency}.qm, which is missing")
    endif()
  endforeach()
  file(COPY ${files} DESTINATION "${TARGET_DIR}")
endforeach()
