"""Writes the command-line tool's manual page and its bash, zsh and fish completions from its own
--help, so that they say what the tool says:

    cli_docs.py PROGRAM OUTPUT_FOLDER VERSION DATE

What an option's value is comes from the name --help gives it: N and PATH complete nothing (a
number, a path inside the folders to be made), DIR completes folders, FILE files.
"""
import re
import subprocess
import sys
import textwrap
from pathlib import Path

PLACEHOLDER = re.compile(r"^[A-Z][A-Z_]*$")
WIDTH = 78  # of the manual page's source lines (mandoc's style check asks for at most 80)

# The manual page's own sections, which --help has no room for.
FILES = r""".SH FILES
.TP
.I $XDG_STATE_HOME/quirebatch/last\-run.journal
(by default
.IR ~/.local/state/quirebatch/last\-run.journal ;
on Windows
.IR "%LOCALAPPDATA%\eQuillmark\ePallisand Quire Batch Utility\e" )
the journal of the last run that created a folder,
in the tool or in the window: what
.B undo
works from.
.TP
.I $XDG_CONFIG_HOME/Quillmark.conf
(by default
.IR ~/.config/Quillmark.conf ;
on Windows the registry key
.IR "HKCU\eSoftware\eQuillmark\ePallisand Quire Batch Utility" )
the settings of the desktop program
.BR quirebatch (1).
The tool reads and writes no settings."""
NOTES = r"""The tool never opens a web page. About one start in 100, the desktop program
.BR quirebatch (1)
opens the maker's home page, https://www.quillmark.example/,
in the web browser; the setting
.B StartupDraw=0
in the group
.B [Pallisand%20Quire%20Batch%20Utility]
of its settings file (on Windows the value
.B StartupDraw
of its registry key, 0) turns that off."""


def split_option(line):
    """An option line: its spellings (with the value they take, if any) and its text."""
    tokens = line.split()
    names = []
    while tokens and (tokens[0].startswith("-") or (names and PLACEHOLDER.match(tokens[0].rstrip(",")))):
        names.append(tokens.pop(0))
    return " ".join(names), " ".join(tokens)


def parse(help_text):
    """The usage lines, the paragraphs before the options, the options and the sections after;
    after the options, a blank line or a "Heading:" starts a section."""
    lines = help_text.rstrip("\n").split("\n")
    usage = [lines[0].split(":", 1)[1].strip() if lines[0].startswith("Usage:") else lines[0]]
    intro, options, sections = [], [], []
    where = "intro"
    for line in lines[1:]:
        if line.startswith("  -"):
            options.append(list(split_option(line)))
            where = "options"
        elif where == "options" and line.startswith("   ") and options:
            options[-1][1] = (options[-1][1] + " " + line.strip()).strip()
        elif where == "intro" and line.startswith("  "):
            usage.append(line.strip())
        elif where == "intro":
            intro.append(line)
        elif not line.strip():
            where = "after"
        else:
            heading = re.match(r"^([A-Z][a-z ]+):\s*(.*)$", line)
            if heading or where != "section":
                sections.append([heading.group(1) if heading else "", []])
                line = heading.group(2) if heading else line
            where = "section"
            if line.strip():
                sections[-1][1].append(line)
    return usage, intro, options, sections


def flags(names):
    """The option's spellings and the name of its value, if it takes one."""
    spellings, value = [], None
    for word in names.replace(",", " ").split():
        if word.startswith("-"):
            spellings.append(word)
        else:
            value = word
    return spellings, value


def undo_options(usage):
    """The options the usage line of `undo` names."""
    for line in usage:
        words = line.split()
        if len(words) > 1 and words[1] == "undo":
            return re.findall(r"\[(-[^]]+)\]", line)
    return []


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-").replace("'", "\\(aq")
    return "\\&" + text if text.startswith(".") else text


def filled(text):
    """Running text as source lines of at most WIDTH bytes."""
    return textwrap.wrap(roff(" ".join(text.split())), WIDTH, break_on_hyphens=False)


def kept(line):
    """A line of a block shown as it is, its source cut where it is too long (a backslash at the
    end of a source line joins the next to it)."""
    line = roff(line)
    out = []
    while len(line) > WIDTH:
        cut = line.rfind(" ", 0, WIDTH - 1)
        if cut <= 0:
            break
        out.append(line[:cut + 1] + "\\")
        line = line[cut + 1:]
    return out + [line]


def manual(usage, intro, options, sections, version, date):
    out = [f'.TH QUIREBATCH\\-CLI 1 "{date}" "quirebatch-cli {version}" "User Commands"',
           ".SH NAME", "quirebatch\\-cli \\- create many numbered folders in one go",
           ".SH SYNOPSIS", ".nf"]
    for line in usage:
        out += kept(line)
    out += [".fi", ".SH DESCRIPTION"]
    for paragraph in "\n".join(intro).strip().split("\n\n"):
        out += filled(paragraph) + [".PP"]
    out[-1:] = [".SH OPTIONS"]
    for names, text in options:
        out += [".TP", "\\fB" + roff(names) + "\\fR", *filled(text)]
    # The usual order: the titled sections of --help, FILES, NOTES (with its untitled ones),
    # EXAMPLES.
    titled = {title: body for title, body in sections if title}
    for title, body in titled.items():
        if title != "Examples":
            out += [".SH " + roff(title.upper()), *filled(" ".join(body))]
    out += FILES.split("\n") + [".SH NOTES"]
    for title, body in sections:
        if not title:
            out += filled(" ".join(body)) + [".PP"]
    out += NOTES.split("\n")
    if "Examples" in titled:
        out += [".SH EXAMPLES", ".nf", ".RS 4"]
        for line in titled["Examples"]:
            out += kept(line.strip())
        out += [".RE", ".fi"]
    out += [".SH SEE ALSO", ".BR quirebatch (1)"]
    return "\n".join(out) + "\n"


def valued_by_kind(options):
    """The spellings of the options that take a value, by what completes it."""
    kinds = {"nothing": [], "folders": [], "files": []}
    for names, _ in options:
        spellings, value = flags(names)
        if value:
            kind = {"DIR": "folders", "FILE": "files"}.get(value, "nothing")
            kinds[kind] += spellings
    return kinds


def bash(options, usage):
    words = " ".join(s for names, _ in options for s in flags(names)[0] if s != "--")
    kinds = valued_by_kind(options)
    valued = "|".join(s for spellings in kinds.values() for s in spellings)
    # Each option undo takes, in every spelling.
    taken = set(undo_options(usage) + ["--help"])
    undo = " ".join(s for names, _ in options if taken & set(flags(names)[0])
                    for s in flags(names)[0])
    return f"""# bash completion for quirebatch-cli, made from its --help
# shellcheck shell=bash
_quirebatch_cli() {{
    local cur=${{COMP_WORDS[COMP_CWORD]}} prev=${{COMP_WORDS[COMP_CWORD-1]}}
    COMPREPLY=()
    case $prev in
        {"|".join(kinds["nothing"])}) return ;;
        {"|".join(kinds["folders"])}) mapfile -t COMPREPLY < <(compgen -d -- "$cur"); return ;;
        {"|".join(kinds["files"])}) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); return ;;
    esac
    # The operands before this one, and whether the first is undo; a list's first is TARGET.
    local i word operands=0 undo='' listed='' ended=''
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${{COMP_WORDS[i]}}
        if [[ -z $ended && $word == -- ]]; then
            ended=1
        elif [[ -z $ended && $word == --names* ]]; then
            listed=1
            [[ $word == --names ]] && i=$((i + 1))
        elif [[ -z $ended && $word =~ ^({valued})$ ]]; then
            i=$((i + 1))
        elif [[ -n $ended || $word != -?* || $word =~ ^-[0-9.] ]]; then
            [[ $operands -eq 0 && $word == undo ]] && undo=1
            operands=$((operands + 1))
        fi
    done
    if [[ -n $undo ]]; then
        mapfile -t COMPREPLY < <(compgen -W "{undo}" -- "$cur")
    elif [[ -z $ended && $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "{words}" -- "$cur")
    elif [[ -z $listed && $operands -eq 0 ]]; then
        mapfile -t COMPREPLY < <(compgen -W "undo" -- "$cur")
    elif [[ -n $listed || $operands -ge 2 ]]; then
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    fi
}}
complete -o filenames -F _quirebatch_cli quirebatch-cli
"""


def zsh(options):
    specs = []
    actions = {"DIR": "_files -/", "FILE": "_files"}
    for names, text in options:
        spellings, value = flags(names)
        if spellings == ["--"]:
            continue
        summary = text.replace("[", "(").replace("]", ")").replace("'", "").replace(":", " ")
        target = f":{value.lower()}:{actions.get(value, ' ')}" if value else ""
        group = "(" + " ".join(spellings) + ")" if len(spellings) > 1 else ""
        for spelling in spellings:
            specs.append(f"'{group}{spelling}[{summary}]{target}'")
    specs += ["'1:pattern, undo, or with --names the target folder:_alternative "
              "\"commands\\:command\\:(undo)\" \"folders\\:folder\\:_files -/\"'",
              "'2:count: '", "'*:target folder:_files -/'"]
    return ("#compdef quirebatch-cli\n# zsh completion for quirebatch-cli, made from its --help\n"
            "_arguments -s \\\n  " + " \\\n  ".join(specs) + "\n")


def fish(options):
    out = ["# fish completion for quirebatch-cli, made from its --help",
           "complete -c quirebatch-cli -f -n 'not __fish_seen_subcommand_from undo' -a undo "
           "-d 'remove the folders the last run made, while still empty'"]
    for names, text in options:
        spellings, value = flags(names)
        parts = ["complete -c quirebatch-cli"]
        for spelling in spellings:
            if spelling == "--":
                continue
            parts.append(f"-l {spelling[2:]}" if spelling.startswith("--") else f"-s {spelling[1:]}")
        if len(parts) == 1:
            continue
        if value == "FILE":
            parts.append("-r -F")
        elif value == "DIR":
            parts.append("-x -a '(__fish_complete_directories (commandline -ct))'")
        elif value:
            parts.append("-x")
        parts.append("-d " + "'" + text.replace("\\", "\\\\").replace("'", "\\'") + "'")
        out.append(" ".join(parts))
    return "\n".join(out) + "\n"


def main(program, folder, version, date):
    text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True).stdout
    usage, intro, options, sections = parse(text)
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    (out / "quirebatch-cli.1").write_text(manual(usage, intro, options, sections, version, date))
    (out / "quirebatch-cli.bash").write_text(bash(options, usage))
    (out / "_quirebatch-cli").write_text(zsh(options))
    (out / "quirebatch-cli.fish").write_text(fish(options))


main(*sys.argv[1:5])
