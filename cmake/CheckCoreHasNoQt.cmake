# The core library must stay plain C++: no source outside ui/ and paint/ folders
# may include a Qt header. The build itself already fails on such an include
# (the core target has no Qt on its include path); this check names the file.
set(found "")
foreach(dir engine common moon satellites sky planets tonight app)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${dir}/*.cpp" "${SOURCE_DIR}/${dir}/*.h")
  foreach(f ${files})
    if(f MATCHES "/(ui|paint)/")
      continue()
    endif()
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
    if(lines)
      list(APPEND found "${f}")
    endif()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Qt headers in core sources: ${found}")
endif()
