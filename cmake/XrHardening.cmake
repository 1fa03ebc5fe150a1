# Release builds are hardened as Debian builds its own packages: fortified libc calls,
# stack protector, read-only relocations bound at start-up, position-independent
# executables. The sanitizer and fuzz builds keep their own flags (fortify needs -O).
if(NOT XR_SANITIZE AND NOT XR_FUZZ AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                        -Werror=format-security)
    add_link_options(-Wl,-z,relro,-z,now)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
