# The manual pages of the three programs, made from their --help at build time, and the bash
# completion of quorvane-cli; both installed where man and bash-completion look for them.

set(man_dir ${CMAKE_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${man_dir})
set(man_pages)
foreach(entry IN ITEMS
        "quorvane|OBD-II emission diagnostics through ELM323/ELM327 interfaces"
        "quorvane-cli|the OBD-II diagnostics of quorvane without a window, for scripts"
        "elmsim|an emulated ELM323/ELM327 interface with a simulated vehicle")
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 program)
    list(GET entry 1 summary)
    set(page ${man_dir}/${program}.1.gz)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
                "-DSUMMARY=${summary}" -DOUTPUT=${page} -P ${CMAKE_SOURCE_DIR}/cmake/man_page.cmake
        DEPENDS ${program} ${CMAKE_SOURCE_DIR}/cmake/man_page.cmake
        COMMENT "Manual page of ${program}"
        VERBATIM)
    list(APPEND man_pages ${page})
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION share/man/man1)

install(FILES ${CMAKE_SOURCE_DIR}/tools/cli/quorvane-cli.bash
        DESTINATION share/bash-completion/completions RENAME quorvane-cli)
