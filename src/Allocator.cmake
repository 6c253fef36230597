# The program's memory allocator. The catalogue is made of millions of small
# objects (tree nodes, texts, TagLib's tag pieces) that are built and freed
# together; mimalloc serves them markedly faster than glibc's malloc (opening,
# searching and reading tags). It replaces malloc for the whole process when
# its library comes first among the executable's libraries, so Qt's and
# TagLib's allocations go to it as well. Sanitizer and fuzz builds keep their
# own allocator, which must see every allocation.
if(QBX_SANITIZE OR QBX_BUILD_FUZZ)
  set(QBX_MIMALLOC_DEFAULT OFF)
else()
  set(QBX_MIMALLOC_DEFAULT ON)
endif()
option(QBX_MIMALLOC "Link the program, qubrix-cli, the tests and the benchmarks with mimalloc"
  ${QBX_MIMALLOC_DEFAULT})
if(QBX_MIMALLOC AND (QBX_SANITIZE OR QBX_BUILD_FUZZ))
  message(FATAL_ERROR "QBX_MIMALLOC cannot be used with the sanitizer or fuzz builds")
endif()
if(QBX_MIMALLOC)
  find_package(mimalloc 2.0 REQUIRED)
endif()

# Makes `target` (an executable) allocate with mimalloc. Call it before any
# other target_link_libraries of the target: the library must precede the
# others (and the C library) in the link line, and is kept even where the
# linker drops libraries no symbol was taken from.
function(qbx_link_allocator target)
  if(QBX_MIMALLOC)
    target_link_libraries(${target} PRIVATE -Wl,--push-state,--no-as-needed mimalloc
      -Wl,--pop-state)
  endif()
endfunction()
