# The programs are hardened as Debian hardens its own packages (what dpkg-buildflags gives with
# hardening=+all: fortified libc calls, a strong stack protector, format checks, full RELRO with
# bind-now, PIE), with the stack-clash and control-flow protection that newer Debian releases add.
# The Windows programs get the stack protector (libssp, linked statically with the runtime) and
# keep ASLR with high-entropy addresses and DEP. The sanitizer and fuzz builds carry their own
# instrumentation instead.
option(QUIRE_HARDEN "Harden the programs as the distribution hardens its packages" ON)

if(QUIRE_HARDEN AND NOT QUIRE_SANITIZE AND NOT QUIRE_BUILD_FUZZERS AND NOT MSVC)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  if(WIN32)
    add_link_options(-fstack-protector-strong LINKER:--dynamicbase LINKER:--high-entropy-va
                     LINKER:--nxcompat)
  else()
    # glibc's checks need the optimiser; a -O0 build would only warn that they are off.
    add_compile_options(-fstack-clash-protection -fcf-protection
                        $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  endif()
endif()
