# The Windows installer of this build's Drelvik.exe, made with every build:
# Drelvik-VERSION.msi beside the executable (packaging/make-msi.sh).
set(DRELVIK_MSI_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(DRELVIK_MSI ${PROJECT_BINARY_DIR}/Drelvik-${DRELVIK_MSI_VERSION}.msi)
if(DRELVIK_TARGETS_X86_32)
    set(DRELVIK_MSI_ARCH x86)
else()
    set(DRELVIK_MSI_ARCH x64)
endif()
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
# The installer is dated by the last commit, which the build cannot watch:
# the date is kept in a file, rewritten on every build only when it changes,
# so that a new commit makes a new installer as a clean build would.
set(DRELVIK_SOURCE_DATE ${PROJECT_BINARY_DIR}/source-date-epoch)
add_custom_target(drelvik_source_date
    COMMAND sh ${packaging}/record-source-date.sh ${DRELVIK_SOURCE_DATE}
    BYPRODUCTS ${DRELVIK_SOURCE_DATE}
    VERBATIM)
add_custom_command(OUTPUT ${DRELVIK_MSI}
    COMMAND sh ${packaging}/make-msi.sh ${DRELVIK_MSI_VERSION} $<TARGET_FILE:Drelvik> ${DRELVIK_MSI_ARCH} ${DRELVIK_MSI}
    DEPENDS Drelvik ${packaging}/make-msi.sh ${packaging}/drelvik.wxs ${DRELVIK_SOURCE_DATE}
            ${PROJECT_SOURCE_DIR}/resources/drelvik.ico ${PROJECT_SOURCE_DIR}/LICENSE
    VERBATIM)
add_custom_target(drelvik_msi ALL DEPENDS ${DRELVIK_MSI})
