# The public STEP corpus: real files from many CAD systems, an optional layer of tests on top of
# the ones that run on generated files, and the input of the translation benchmarks. The folder is
# the KESTRIN_STEP_CORPUS cache entry, else the KESTRIN_STEP_CORPUS environment variable, else
# ../shared/step-corpus beside the source tree when that exists. KESTRIN_STEP_CORPUS_DIR is the
# folder found, empty without one.
set(KESTRIN_STEP_CORPUS "" CACHE PATH "Folder of real STEP files for the optional corpus tests")

if(KESTRIN_STEP_CORPUS)
    set(KESTRIN_STEP_CORPUS_DIR ${KESTRIN_STEP_CORPUS})
elseif(DEFINED ENV{KESTRIN_STEP_CORPUS} AND NOT "$ENV{KESTRIN_STEP_CORPUS}" STREQUAL "")
    set(KESTRIN_STEP_CORPUS_DIR $ENV{KESTRIN_STEP_CORPUS})
elseif(EXISTS ${CMAKE_SOURCE_DIR}/../shared/step-corpus)
    set(KESTRIN_STEP_CORPUS_DIR ${CMAKE_SOURCE_DIR}/../shared/step-corpus)
else()
    set(KESTRIN_STEP_CORPUS_DIR "")
endif()

if(KESTRIN_STEP_CORPUS_DIR)
    # A folder named on purpose that is not there is a mistake, not a reason to skip quietly.
    get_filename_component(KESTRIN_STEP_CORPUS_DIR ${KESTRIN_STEP_CORPUS_DIR} ABSOLUTE)
    if(NOT IS_DIRECTORY ${KESTRIN_STEP_CORPUS_DIR})
        message(FATAL_ERROR "KESTRIN_STEP_CORPUS: ${KESTRIN_STEP_CORPUS_DIR} is not a folder")
    endif()
    message(STATUS "STEP corpus: ${KESTRIN_STEP_CORPUS_DIR}")
else()
    message(STATUS "STEP corpus: none (its tests are skipped; set KESTRIN_STEP_CORPUS)")
endif()
