#!/usr/bin/python3
"""check_windows_image.py EXE: fails, with a one-line reason, unless EXE is the
image real Windows expects of the launcher.

- The loader: subsystem version 5.01 or lower and only imports that Windows
  XP SP3 already exports, so XP SP3 to Windows 11 all load the file.
- Hardening: DYNAMIC_BASE (with its relocations), NX_COMPAT and NO_SEH set;
  no section both writable and executable; preferred base 0x00400000, from
  which the error report counts its addresses.
- Fitting in: not TERMINAL_SERVER_AWARE, and a manifest without any
  requestedExecutionLevel, so that Remote Desktop's per-user Windows
  directory and UAC virtualization give the launcher the same LX7314.INI and
  InstallDir as the programs around it.  The manifest asks for Common
  Controls 6 and dpiAware, declares Vista to 10/11 and leaves the code page
  alone.
- Japanese resources, and the vendor in the version block.
"""
import sys
import xml.etree.ElementTree as ElementTree

import pefile

PREFERRED_BASE = 0x00400000

# Every function the launcher and its run-time start-up may import, each one
# exported by Windows XP SP3 (its documentation gives Windows 2000 or XP as
# the minimum).  A new import must be checked the same way before it is
# added here.
XP_SP3_EXPORTS = {
    "kernel32.dll": """CloseHandle CreateSemaphoreW DeleteCriticalSection
        EnterCriticalSection ExitProcess FreeLibrary GetCommandLineA
        GetCurrentThreadId GetLastError GetModuleFileNameA GetModuleHandleA
        GetPrivateProfileIntA GetProcAddress GetProcessHeap GetStartupInfoA
        GetSystemDirectoryA HeapAlloc HeapFree InitializeCriticalSection
        IsDBCSLeadByte LeaveCriticalSection LoadLibraryA ReleaseSemaphore
        SetCurrentDirectoryA SetLastError SetUnhandledExceptionFilter Sleep
        TlsAlloc TlsFree TlsGetValue TlsSetValue VirtualProtect VirtualQuery
        WaitForSingleObject WinExec lstrcmpiA""",
    "user32.dll": """EnumWindows GetClassNameA LoadStringA MessageBoxA SetWindowPos
        ShowWindow""",
    "advapi32.dll": "RegCloseKey RegOpenKeyExA RegQueryValueExA",
    "msvcrt.dll": """__getmainargs __initenv __p__acmdln __p__commode __p__fmode
        __set_app_type __setusermatherr _amsg_exit _cexit _initterm _iob
        _onexit abort calloc exit fprintf free fwrite malloc memcpy memmove
        memset realloc signal strchr strcmp strlen strncmp vfprintf""",
}

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}": "Vista",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "10/11",
}
LANG_JAPANESE = 0x0411
LANG_NEUTRAL = 0x0000


class Failed(Exception):
    pass


def require(ok, reason):
    if not ok:
        raise Failed(reason)


def check_loader(pe):
    header = pe.OPTIONAL_HEADER
    version = (header.MajorSubsystemVersion, header.MinorSubsystemVersion)
    require(version <= (5, 1), f"subsystem version {version[0]}.{version[1]:02}: Windows XP "
            "refuses anything above 5.01")
    for entry in pe.DIRECTORY_ENTRY_IMPORT:
        dll = entry.dll.decode().lower()
        known = set(XP_SP3_EXPORTS.get(dll, "").split())
        for function in entry.imports:
            name = function.name.decode() if function.name else f"ordinal {function.ordinal}"
            require(name in known, f"{dll} {name} is not known to exist on Windows XP SP3")


def check_hardening(pe):
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name in ("DYNAMIC_BASE", "NX_COMPAT", "NO_SEH"):
        require(flags & pefile.DLL_CHARACTERISTICS[f"IMAGE_DLLCHARACTERISTICS_{name}"],
                f"{name} is not set")
    require(not flags & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE"],
            "TERMINAL_SERVER_AWARE is set: on a Remote Desktop host the launcher would read "
            "another LX7314.INI than its neighbours")
    require(not pe.FILE_HEADER.Characteristics & pefile.IMAGE_CHARACTERISTICS["IMAGE_FILE_RELOCS_STRIPPED"]
            and pe.OPTIONAL_HEADER.DATA_DIRECTORY[5].Size > 0,
            "no base relocations: DYNAMIC_BASE would not move the image")
    writable = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_WRITE"]
    executable = pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]
    for section in pe.sections:
        both = section.Characteristics & writable and section.Characteristics & executable
        name = section.Name.rstrip(b"\0").decode()
        require(not both, f"section {name} is writable and executable")
    require(pe.OPTIONAL_HEADER.ImageBase == PREFERRED_BASE,
            f"preferred base {pe.OPTIONAL_HEADER.ImageBase:#010x}, but the error report counts "
            f"addresses from {PREFERRED_BASE:#010x}")


def resources(pe):
    """(type id, name or id, language) for every resource."""
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                yield kind.id, name.id if name.name is None else str(name.name), language


def check_manifest(pe):
    manifests = [(name, language) for kind, name, language in resources(pe)
                 if kind == pefile.RESOURCE_TYPE["RT_MANIFEST"]]
    require([(name, language.id) for name, language in manifests] == [(1, LANG_NEUTRAL)],
            "expected one language-neutral manifest, resource 1")
    entry = manifests[0][1].data.struct
    xml = pe.get_data(entry.OffsetToData, entry.Size)
    require(b"activeCodePage" not in xml, "the manifest sets activeCodePage: the ANSI code page "
            "must stay the system's")
    require(b"requestedExecutionLevel" not in xml and b"trustInfo" not in xml,
            "the manifest names an execution level: that turns UAC virtualization off, and the "
            "launcher would miss the settings its neighbours wrote")
    root = ElementTree.fromstring(xml)
    controls = [identity for identity in root.iter(f"{ASM_V1}assemblyIdentity")
                if identity.get("name") == "Microsoft.Windows.Common-Controls"]
    require(len(controls) == 1 and controls[0].get("version") == "6.0.0.0",
            "no dependency on Common Controls 6")
    dpi = root.find(f"{ASM_V3}application/{ASM_V3}windowsSettings/{WINDOWS_SETTINGS}dpiAware")
    require(dpi is not None and dpi.text.strip().lower() == "true", "not dpiAware")
    declared = [system.get("Id") for system in root.iter(f"{COMPATIBILITY}supportedOS")]
    missing = [SUPPORTED_OS[id] for id in SUPPORTED_OS if id not in declared]
    require(not missing, f"supportedOS missing for Windows {', '.join(missing)}")


def check_resources(pe):
    for kind, name, language in resources(pe):
        if kind == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
            continue
        require(language.id == LANG_JAPANESE,
                f"resource {pefile.RESOURCE_TYPE.get(kind, kind)} {name} is in language "
                f"{language.id:#06x}, not Japanese")
    strings = {}
    for info in getattr(pe, "FileInfo", [[]])[0]:
        for table in getattr(info, "StringTable", []):
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    require(strings.get("CompanyName") == "Kelmor", "the version block names no CompanyName Kelmor")


def main():
    pe = pefile.PE(sys.argv[1])
    try:
        for check in (check_loader, check_hardening, check_manifest, check_resources):
            check(pe)
    except Failed as failure:
        print(f"{sys.argv[1]}: {failure}")
        return 1
    header = pe.OPTIONAL_HEADER
    print(f"loads on XP SP3 to 11 (subsystem {header.MajorSubsystemVersion}."
          f"{header.MinorSubsystemVersion:02}), DllCharacteristics {header.DllCharacteristics:#06x}, "
          "manifest without execution level, Japanese resources")
    return 0


if __name__ == "__main__":
    sys.exit(main())
