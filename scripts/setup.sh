# Sourced by run.sh and test.sh: installs the Debian packages the build needs when any is
# missing, then configures and builds into build/.

zadrovec_packages=(
  cmake ninja-build g++ pkg-config
  libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev  # the windows
  qt6-translations-l10n # the toolkit's own texts in Czech (qtbase_cs)
  libcli11-dev  # the command line of zadrovec-cli
  libxxhash-dev # the checksums of the stored answers (header only: no run-time library)
  mythes-cs     # the Czech thesaurus the main dictionary is made from
  stardict-czech zlib1g-dev # the foreign words the dictionary cizi is made from, and its reader
  hunspell-cs   # the Czech word list the dictionary slova is made from
  hunspell-tools # unmunch: the word forms by lemma that legends are matched with
  dict-freedict-eng-ces # the English-Czech dictionary the dictionary anglicky is made from
  dict-freedict-ces-eng # the Czech-English dictionary: evidence for the thesaurus's meanings
  wordnet-base # English WordNet: evidence for the thesaurus's meanings (shared senses)
  fortunes-cs   # the quotes with their authors among the solver's phrases (fraze.txt)
  iso-codes unicode-cldr-core # the currencies and states the bundled facts are checked against
  bsdextrautils # look(1), the yardstick of the search benchmark
  clang libclang-rt-14-dev # the fuzz targets: clang with libFuzzer and the sanitizers' runtimes
  dpkg-dev lintian appstream desktop-file-utils # the Debian package: made, checked, validated
)

zadrovec_install_packages() {
  local missing=()
  for p in "${zadrovec_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# The npm package of Czech word frequencies, unpacked into build/npm/package; read by the build
# only, never kept in the repository. Without the registry the build goes on without it.
zadrovec_word_frequencies() {
  [ -f build/npm/package/src/commonWords.json ] && return 0
  if ! command -v npm >/dev/null; then
    # Debian's npm, unless an npm of another origin is there already (Debian's would conflict).
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq npm >/dev/null 2>&1 || true
  fi
  mkdir -p build/npm
  local packed
  if packed=$(cd build/npm && npm pack --silent @zxcvbn-ts/language-cs@3.0.1 2>/dev/null) &&
    tar -xzf "build/npm/$packed" -C build/npm; then
    return 0
  fi
  echo "warning: npm pack @zxcvbn-ts/language-cs failed: answers are not ranked by word frequency" >&2
}

# Arguments go to cmake: test.sh makes warnings errors, run.sh does not.
zadrovec_build() {
  zadrovec_word_frequencies
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZADROVEC_WARNINGS_AS_ERRORS=OFF "$@" >/dev/null
  cmake --build build
}
