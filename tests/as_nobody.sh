# Sourced by the tests that must run a program as an ordinary user, since root passes every
# permission check: as root, `as_user` runs a command as nobody. `nobody_runs` is empty where
# nobody cannot run programs at all (a root folder others may not search, as in some chroots):
# those tests then skip what they would test as an ordinary user, and say so.
as_user=()
nobody_runs=1
if [[ $(id -u) -eq 0 ]]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  if ! "${as_user[@]}" /bin/true 2>/dev/null; then
    nobody_runs=
    as_user=()
    echo "SKIP as an ordinary user: nobody cannot run programs on this machine"
  fi
fi
