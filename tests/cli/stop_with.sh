# Sourced by the tool's script tests. stop_with SIGNAL PID: sends SIGNAL to the running tool once
# it is under way, and kills it after 10 s should it hang; sets `status` to its exit status.
stop_with() {
  (sleep 10 && kill -KILL "$2" 2>/dev/null) &
  local watchdog=$!
  sleep 0.3
  kill "-$1" "$2"
  wait "$2"; status=$?
  kill "$watchdog" 2>/dev/null
}
