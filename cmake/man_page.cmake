# Writes the manual page of one program from its --help and --version (cmake -P):
#   -DPROGRAM=path -DNAME=quorvane-cli -DSUMMARY="one line" -DOUTPUT=quorvane-cli.1.gz
# The help text goes in as it is printed, so the page cannot drift from the program.

foreach(option IN ITEMS help version)
    execute_process(COMMAND ${PROGRAM} --${option} RESULT_VARIABLE code OUTPUT_VARIABLE ${option}
                    ERROR_VARIABLE problem)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "${NAME} --${option} ended with ${code}: ${problem}")
    endif()
endforeach()
string(STRIP "${version}" version)

# roff reads a backslash as an escape, a line starting with "." or "'" as a request, and "-" as a
# hyphen that may be typeset as a dash.
function(roff_text text result)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

roff_text("${help}" help)
roff_text("${SUMMARY}" summary)
roff_text("${NAME}" name)
roff_text("${version}" version)
string(TOUPPER "${name}" title)
file(WRITE ${OUTPUT}.tmp ".TH ${title} 1 \"\" \"${version}\" \"User Commands\"
.SH NAME
${name} \\- ${summary}
.SH DESCRIPTION
.nf
${help}.fi
")
# Debian installs manual pages compressed.
file(ARCHIVE_CREATE OUTPUT ${OUTPUT} PATHS ${OUTPUT}.tmp FORMAT raw COMPRESSION GZip)
file(REMOVE ${OUTPUT}.tmp)
