# Where `cmake --install` puts the program: the executable in bin, the files
# it ships in share/vantrel (copied into the player's folder at first start),
# its icon in the hicolor theme and its desktop entry in share/applications.
install(TARGETS vantrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vantrel
        PATTERN "vantrel.desktop" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/app/icons/vantrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/vantrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
