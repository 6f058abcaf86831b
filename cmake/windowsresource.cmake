# The icon and the version information of a Windows program, made from src/app/version.rc.in.
enable_language(RC)

function(talvira_version_resource target description)
    set(TALVIRA_RC_NAME ${target})
    set(TALVIRA_RC_FILE ${target}.exe)
    set(TALVIRA_RC_DESCRIPTION "${description}")
    set(TALVIRA_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/org.talvira.Talvira.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/src/app/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
