# The installed tree:
#   PREFIX/lib/quorvane/      the program directory: both programs and every runtime file, laid
#                             out as the build stages them beside build/bin/quorvane
#   PREFIX/bin/quorvane       relative links into the program directory; the programs resolve
#   PREFIX/bin/quorvane-cli   their own path, so they find their runtime files through a link
#   PREFIX/share/applications/quorvane.desktop, PREFIX/share/icons/.../quorvane.svg (data/desktop)
#   PREFIX/share/man/man1, PREFIX/share/bash-completion/completions (cmake/manual_pages.cmake)

set(QUORVANE_PROGRAM_DIR lib/quorvane)

install(DIRECTORY ${QUORVANE_STAGE_DIR}/ DESTINATION ${QUORVANE_PROGRAM_DIR} USE_SOURCE_PERMISSIONS
        PATTERN "test_*" EXCLUDE PATTERN "bench_*" EXCLUDE PATTERN "faultpack" EXCLUDE)

# The links are made in the build tree and installed as links (install keeps a symbolic link as
# it is), so a DESTDIR install and the package carry the same relative targets.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
foreach(program quorvane quorvane-cli)
    file(CREATE_LINK ../${QUORVANE_PROGRAM_DIR}/${program} ${link_dir}/${program} SYMBOLIC)
    install(FILES ${link_dir}/${program} DESTINATION bin)
endforeach()
