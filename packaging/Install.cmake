# The installed layout of Kestrin, and the install rules that make it. Every destination is
# relative to the prefix given at install time (cmake --install BUILD --prefix P, or the package's
# /usr), following GNUInstallDirs:
#   bin/kestrin                              the host program
#   lib/kestrin/                             private: the module file with its menu and help files
#                                            beside it (the module looks for them there), and the
#                                            stand-in libraries the host and the module link
#   libexec/kestrin/quarnel-worker           the translation library's worker: a program that only
#                                            the library starts, never a user
#   share/man/man1/kestrin.1                 the manual page
#   share/bash-completion/completions/kestrin
#   share/doc/kestrin/                       README.md, LICENSE, copyright
# Nothing refers to the prefix or to the build tree: RUNPATHs are relative to $ORIGIN, the host
# finds the module at KESTRIN_MODULE_DIR_FROM_PROGRAM from its own executable, and the translation
# library finds its worker at QUARNEL_WORKER_DIR_FROM_LIBRARY from itself, so an installed tree
# works under any prefix and still works when moved. In the build tree everything lies in one
# folder and each part finds the next beside itself first. Tests, benchmarks, fixture writers and
# headers are not installed.
include(GNUInstallDirs)

set(KESTRIN_INSTALL_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/kestrin)
set(KESTRIN_INSTALL_WORKER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/kestrin)
set(KESTRIN_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kestrin) # the project's name is Kestrin
foreach(dir CMAKE_INSTALL_BINDIR KESTRIN_INSTALL_PRIVATE_DIR KESTRIN_INSTALL_WORKER_DIR)
    if(IS_ABSOLUTE "${${dir}}")
        message(FATAL_ERROR "${dir} is ${${dir}}: the installed tree must be relocatable, so its "
                            "folders are relative to the prefix")
    endif()
endforeach()
cmake_path(RELATIVE_PATH KESTRIN_INSTALL_PRIVATE_DIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE module_dir_from_program)
cmake_path(RELATIVE_PATH KESTRIN_INSTALL_WORKER_DIR BASE_DIRECTORY ${KESTRIN_INSTALL_PRIVATE_DIR}
           OUTPUT_VARIABLE worker_dir_from_library)

target_compile_definitions(kestrin_host_program PRIVATE
    KESTRIN_MODULE_DIR_FROM_PROGRAM="${module_dir_from_program}")
target_compile_definitions(quarnel_core PRIVATE
    QUARNEL_WORKER_DIR_FROM_LIBRARY="${worker_dir_from_library}")

set(KESTRIN_STAND_IN_LIBRARIES opennurbs toolkit win32 mfc lkvgui sds Quarnel80U)
set_target_properties(kestrin PROPERTIES INSTALL_RPATH "$ORIGIN/${module_dir_from_program}")
set_target_properties(Kestrin_Bricscad_2.05_8.drx ${KESTRIN_STAND_IN_LIBRARIES} PROPERTIES
    INSTALL_RPATH "$ORIGIN")
set_target_properties(quarnel-worker PROPERTIES INSTALL_RPATH "") # links system libraries only

install(TARGETS kestrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Kestrin_Bricscad_2.05_8.drx ${KESTRIN_STAND_IN_LIBRARIES}
        LIBRARY DESTINATION ${KESTRIN_INSTALL_PRIVATE_DIR})
# The menu and help files as the build lays them beside the module (the help page under the help
# file's name).
install(FILES ${KESTRIN_RUNTIME_DIR}/Kestrin.mnu ${KESTRIN_RUNTIME_DIR}/Kestrin_Bricscad.chm
        DESTINATION ${KESTRIN_INSTALL_PRIVATE_DIR})
install(TARGETS quarnel-worker RUNTIME DESTINATION ${KESTRIN_INSTALL_WORKER_DIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/kestrin.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kestrin.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kestrin)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
              ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${KESTRIN_INSTALL_DOC_DIR})
