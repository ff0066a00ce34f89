"""Writes the command-line tool's manual page and its bash, zsh and fish completions from its own
--help, so that they say what the tool says:

    cli_docs.py PROGRAM OUTPUT_FOLDER VERSION
"""
import re
import subprocess
import sys
from pathlib import Path

PLACEHOLDER = re.compile(r"^[A-Z][A-Z_]*$")


def split_option(line):
    """An option line: its spellings (with the value they take, if any) and its text."""
    tokens = line.split()
    names = []
    while tokens and (tokens[0].startswith("-") or (names and PLACEHOLDER.match(tokens[0].rstrip(",")))):
        names.append(tokens.pop(0))
    return " ".join(names), " ".join(tokens)


def parse(help_text):
    """The usage lines, the paragraphs before the options, the options and the sections after."""
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
        elif line.strip():
            heading = re.match(r"^([A-Z][a-z ]+):\s*(.*)$", line)
            if heading or not sections:
                sections.append([heading.group(1) if heading else "", []])
                line = heading.group(2) if heading else line
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


def roff(text):
    return text.replace("\\", "\\\\").replace("-", "\\-").replace("'", "\\(aq")


def manual(usage, intro, options, sections, version):
    out = [f'.TH QUIREBATCH\\-CLI 1 "" "quirebatch-cli {version}" "User Commands"',
           ".SH NAME", "quirebatch\\-cli \\- create many numbered folders in one go",
           ".SH SYNOPSIS"]
    for line in usage:
        out += [".nf" if line is usage[0] else "", roff(line)]
    out += [".fi", ".SH DESCRIPTION"]
    for paragraph in "\n".join(intro).strip().split("\n\n"):
        out += [roff(" ".join(paragraph.split())), ".PP"]
    out[-1:] = [".SH OPTIONS"]
    for names, text in options:
        out += [".TP", "\\fB" + roff(names) + "\\fR", roff(text)]
    for title, body in sections:
        out.append(".SH " + (roff(title.upper()) if title else "NOTES"))
        out += [".nf", *(roff(line) for line in body), ".fi"]
    out += [".SH SEE ALSO", ".BR quirebatch (1)"]
    return "\n".join(line for line in out if line != "") + "\n"


def bash(options):
    words = " ".join(s for names, _ in options for s in flags(names)[0])
    valued = "|".join(s for names, _ in options if flags(names)[1] for s in flags(names)[0])
    return f"""# bash completion for quirebatch-cli, made from its --help
_quirebatch_cli() {{
    local cur=${{COMP_WORDS[COMP_CWORD]}} prev=${{COMP_WORDS[COMP_CWORD-1]}}
    case $prev in
        {valued or "--no-value-options"}) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "{words}" -- "$cur"))
    else
        COMPREPLY=($(compgen -d -- "$cur"))
    fi
}}
complete -o filenames -F _quirebatch_cli quirebatch-cli
"""


def zsh(options):
    specs = []
    for names, text in options:
        spellings, value = flags(names)
        summary = text.replace("[", "(").replace("]", ")").replace("'", "").replace(":", " ")
        target = f":{value.lower()}:_files" if value else ""
        group = "(" + " ".join(spellings) + ")" if len(spellings) > 1 else ""
        for spelling in spellings:
            specs.append(f"'{group}{spelling}[{summary}]{target}'")
    return ("#compdef quirebatch-cli\n# zsh completion for quirebatch-cli, made from its --help\n"
            "_arguments \\\n  " + " \\\n  ".join(specs) + " \\\n  '*:folder:_files -/'\n")


def fish(options):
    out = ["# fish completion for quirebatch-cli, made from its --help"]
    for names, text in options:
        spellings, value = flags(names)
        parts = ["complete -c quirebatch-cli"]
        for spelling in spellings:
            if spelling == "--":
                continue
            parts.append(f"-l {spelling[2:]}" if spelling.startswith("--") else f"-s {spelling[1:]}")
        if len(parts) == 1:
            continue
        parts.append("-r" if value else "")
        parts.append("-d " + "'" + text.replace("'", "\\'") + "'")
        out.append(" ".join(p for p in parts if p))
    return "\n".join(out) + "\n"


def main(program, folder, version):
    text = subprocess.run([program, "--help"], check=True, capture_output=True, text=True).stdout
    usage, intro, options, sections = parse(text)
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    (out / "quirebatch-cli.1").write_text(manual(usage, intro, options, sections, version))
    (out / "quirebatch-cli.bash").write_text(bash(options))
    (out / "_quirebatch-cli").write_text(zsh(options))
    (out / "quirebatch-cli.fish").write_text(fish(options))


main(*sys.argv[1:4])
