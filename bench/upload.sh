#!/usr/bin/env bash
# Upload speed and memory: 100 files of 3 MB sent to a local vsftpd by the FTP client control
# (upload_put_bench, one STOR per file as the upload session does), against `curl -T` of the
# same files in one call and `lftp -e 'mirror -R'`, in the same run. Also the control's peak
# memory for 10 files of 30 MB, to show that it does not grow with the file size.
# Targets: at most 1.1 x curl's wall time; peak memory with 30 MB files within 8 MB of that with
# 3 MB files. Prints the figures; exits 1 when a target is missed. Needs root (vsftpd).
# UPLOAD_BENCH_RUNS sets the number of measured runs (3).
# Usage: bench/upload.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${UPLOAD_BENCH_RUNS:-3}

cmake --build "$build" --target upload_put_bench >/dev/null
driver=$(find "$build" -name upload_put_bench -type f -perm -u+x -print -quit)
for tool in /usr/sbin/vsftpd curl lftp; do
  command -v "$tool" >/dev/null || { echo "upload: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
server=""
cleanup() { [ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# The files: 100 of 3 MB and 10 of 30 MB, random bytes.
mkdir -p "$work/small" "$work/large"
for i in $(seq -f %03g 1 100); do head -c 3145728 /dev/urandom >"$work/small/file$i.bin"; done
for i in $(seq -f %02g 1 10); do head -c 31457280 /dev/urandom >"$work/large/file$i.bin"; done

# vsftpd on a free port with anonymous upload into /pub.
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
port=$(free_port)
pasv=$(free_port)
mkdir -p "$work/anon/pub" "$work/empty"
chmod 755 "$work" "$work/anon"
chown ftp "$work/anon/pub"
cat >"$work/vsftpd.conf" <<CONF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$port
background=NO
seccomp_sandbox=NO
anonymous_enable=YES
local_enable=NO
no_anon_password=YES
write_enable=YES
anon_upload_enable=YES
anon_mkdir_write_enable=YES
anon_other_write_enable=YES
anon_root=$work/anon
secure_chroot_dir=$work/empty
pasv_min_port=$pasv
pasv_max_port=$((pasv + 50))
xferlog_enable=NO
dirmessage_enable=NO
check_shell=NO
CONF
/usr/sbin/vsftpd "$work/vsftpd.conf" &
server=$!
for _ in $(seq 50); do (echo >/dev/tcp/127.0.0.1/"$port") 2>/dev/null && break; sleep 0.1; done

small=("$work"/small/*.bin)
large=("$work"/large/*.bin)
glob="{$(IFS=,; echo "${small[*]}")}"
url="ftp://127.0.0.1:$port"

run_albryn() { "$driver" "127.0.0.1:$port" anonymous x "/pub/$1" "${@:2}"; }
run_curl() { curl -sS --user anonymous:x -T "$glob" "$url/pub/curl/"; }
run_lftp() {
  lftp -u anonymous,x -p "$port" -e "set ftp:ssl-allow no; set net:max-retries 1; \
    mirror -R --no-perms $work/small /pub/lftp; bye" 127.0.0.1 >/dev/null
}
fresh() { rm -rf "$work/anon/pub/$1"; mkdir "$work/anon/pub/$1"; chown ftp "$work/anon/pub/$1"; }

names=(albryn curl lftp)
labels=("FTP client control" "curl -T (one call)" "lftp mirror -R")
declare -A wall_s peak_kb
for name in "${names[@]}"; do wall_s[$name]=0; peak_kb[$name]=0; done
for round in $(seq 0 "$runs"); do
  for name in "${names[@]}"; do
    fresh "$name"
    case $name in
      albryn) cmd=(run_albryn albryn "${small[@]}") ;;
      *) cmd=("run_$name") ;;
    esac
    read -r wall kb < <({ /usr/bin/time -f '%e %M' bash -c "$(declare -f run_albryn run_curl \
      run_lftp); driver=$driver port=$port glob='$glob' url=$url work=$work; \"\$@\"" _ "${cmd[@]}" \
      >/dev/null; } 2>&1 | tail -1)
    [ "$round" -eq 0 ] && continue
    wall_s[$name]=$(awk -v a="${wall_s[$name]}" -v b="$wall" -v r="$runs" 'BEGIN { print a + b / r }')
    [ "$kb" -gt "${peak_kb[$name]}" ] && peak_kb[$name]=$kb
  done
done

# Every contender stored every file, byte for byte (checked on the last round).
for name in "${names[@]}"; do
  for f in "${small[@]}"; do
    cmp -s "$f" "$work/anon/pub/$name/${f##*/}" || { echo "upload: $name: ${f##*/} differs" >&2; exit 1; }
  done
done

fresh large
read -r large_wall large_kb < <(/usr/bin/time -f '%e %M' "$driver" "127.0.0.1:$port" anonymous x \
  /pub/large "${large[@]}" 2>&1 >/dev/null | tail -1)
for f in "${large[@]}"; do cmp -s "$f" "$work/anon/pub/large/${f##*/}" || { echo "upload: large file differs" >&2; exit 1; }; done

echo "upload: 100 files of 3 MB to vsftpd on loopback; mean of $runs interleaved runs after a warm-up"
printf '  %-22s %10s %14s\n' contender "wall s" "peak memory"
for i in "${!names[@]}"; do
  name=${names[$i]}
  awk -v l="${labels[$i]}" -v w="${wall_s[$name]}" -v kb="${peak_kb[$name]}" \
    'BEGIN { printf "  %-22s %10.2f %11.1f MB\n", l, w, kb / 1024 }'
done
ratio_curl=$(awk -v a="${wall_s[albryn]}" -v b="${wall_s[curl]}" 'BEGIN { printf "%.2f", a / b }')
ratio_lftp=$(awk -v a="${wall_s[albryn]}" -v b="${wall_s[lftp]}" 'BEGIN { printf "%.2f", a / b }')
echo "  time ratio: control / curl = $ratio_curl (target <= 1.1), control / lftp = $ratio_lftp"
awk -v kb="$large_kb" -v w="$large_wall" 'BEGIN { printf "  control, 10 files of 30 MB: %.2f s, peak memory %.1f MB\n", w, kb / 1024 }'
growth=$(( (large_kb - peak_kb[albryn]) / 1024 ))
echo "  memory growth from 3 MB to 30 MB files: $growth MB (target <= 8)"
status=0
awk -v r="$ratio_curl" 'BEGIN { exit !(r > 1.1) }' && { echo "upload: slower than 1.1 x curl" >&2; status=1; }
[ "$growth" -gt 8 ] && { echo "upload: memory grows with the file size" >&2; status=1; }
exit $status
