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
add_custom_command(OUTPUT ${DRELVIK_MSI}
    COMMAND sh ${packaging}/make-msi.sh ${DRELVIK_MSI_VERSION} $<TARGET_FILE:Drelvik> ${DRELVIK_MSI_ARCH} ${DRELVIK_MSI}
    DEPENDS Drelvik ${packaging}/make-msi.sh ${packaging}/drelvik.wxs
            ${PROJECT_SOURCE_DIR}/resources/drelvik.ico ${PROJECT_SOURCE_DIR}/LICENSE
    VERBATIM)
add_custom_target(drelvik_msi ALL DEPENDS ${DRELVIK_MSI})
