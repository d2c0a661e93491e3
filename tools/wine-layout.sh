# Sourced by the scripts that start Wine: makes `wine` start its programs at a fixed address-space
# layout. Wine's 64-bit loader is a program at a fixed address, and the kernel puts its heap
# anywhere up to 1 GB above it; about once in two thousand starts that heap covers the page Wine
# must map at 0x7ffe0000, and the program dies before it runs ("failed to map the shared user
# data"). Without address randomisation the heap stays next to the loader, the same every time.
# Children inherit the layout: programs Wine starts in turn get it too. Where the system forbids
# turning randomisation off (some containers do), Wine runs as it is.
if [ -z "${KW_WINE_LAYOUT:-}" ]; then
    KW_WINE_LAYOUT=random
    setarch "$(uname -m)" -R true 2>/dev/null && KW_WINE_LAYOUT=fixed
    export KW_WINE_LAYOUT
fi
wine() {
    if [ "$KW_WINE_LAYOUT" = fixed ]; then
        setarch "$(uname -m)" -R wine "$@"
    else
        command wine "$@"
    fi
}
