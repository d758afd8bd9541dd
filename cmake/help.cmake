# The help file: Routewright.chm, compiled with chmcmd from the sources in
# docs/help and put beside Routewright.exe, where the program looks for it
# (its own path with ".chm"). Its popup texts, Routewright.txt, are compiled
# into it. Included by the top-level CMakeLists.txt in the Windows builds,
# after the Routewright target.

find_program(CHMCMD_EXECUTABLE NAMES chmcmd chmcmd-3.2.2 REQUIRED
    DOC "chmcmd, the CHM compiler (Debian package fp-utils-3.2.2; see tools/setup.sh)")
find_program(CHMLS_EXECUTABLE NAMES chmls chmls-3.2.2 REQUIRED
    DOC "chmls, the CHM lister of the same package")

set(helpSourceDir ${CMAKE_SOURCE_DIR}/docs/help)
set(helpWorkDir ${CMAKE_BINARY_DIR}/help)
set(helpChm ${CMAKE_BINARY_DIR}/Routewright.chm)

file(GLOB helpSources CONFIGURE_DEPENDS
    ${helpSourceDir}/*.hhp ${helpSourceDir}/*.hhc ${helpSourceDir}/*.hhk
    ${helpSourceDir}/*.html ${helpSourceDir}/*.css ${helpSourceDir}/*.txt
)

# chmcmd writes the compiled file next to the project file, so it runs on a
# copy of the sources in the build folder. The script fails, and with it the
# build, when chmcmd fails or warns or leaves no compiled file.
add_custom_command(
    OUTPUT ${helpChm}
    COMMAND bash ${helpSourceDir}/build-chm.sh ${CHMCMD_EXECUTABLE} ${helpSourceDir} ${helpWorkDir} ${helpChm}
    DEPENDS ${helpSources} ${helpSourceDir}/build-chm.sh
    COMMENT "Compiling the help file Routewright.chm"
    VERBATIM
)
# ("help" itself is a name CMake reserves for targets.)
add_custom_target(helpfile ALL DEPENDS ${helpChm})
add_dependencies(Routewright helpfile)

# The compiled file holds every page and the popup texts, with one popup for
# every help topic number of the program's windows; every link resolves.
add_test(NAME help.chm_contents
    COMMAND bash ${helpSourceDir}/check-help.sh ${CHMLS_EXECUTABLE} ${helpChm} ${helpSourceDir})
