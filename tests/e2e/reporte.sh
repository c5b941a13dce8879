#!/bin/bash
# The report of the real program: its support table names each node by the
# user's number; a link or a named pipe called resultados.txt is replaced,
# never written through nor waited on; on a full disk, at start-up and after
# F5, the older report stays as it was and the program says so, and once
# there is room F5 writes the report whole.
source "$(dirname "$0")/comun.sh"

aviso="No se pudo escribir el archivo resultados.txt"
modelo="$fixturas/nudosNumerados.txt"
referencia="$trabajo/referencia.txt"

esArchivoComun() { [ -f "$1" ] && [ ! -L "$1" ] && [ ! -p "$1" ]; }

# The names in a folder but the filler of the full disk, on one line.
nombresEn() {
    ls -A "$1" | grep -vx relleno | tr '\n' ' '
}

# --- A link to the model: the model stays, the link becomes the report. ---
cp "$modelo" "$trabajo/modelo.txt"
ln -s modelo.txt "$trabajo/resultados.txt"
arrancar
# The report is written before the window opens.
esArchivoComun resultados.txt || fallar "resultados.txt sigue siendo un enlace"
cmp -s modelo.txt "$modelo" || fallar "el reporte se escribió sobre el modelo"
apoyos="$(sed -n '/^#Nudo | ApoyoX | ApoyoY | giro$/,/^$/p' resultados.txt)"
[ "$apoyos" = $'#Nudo | ApoyoX | ApoyoY | giro\n30 0 0 0\n7 1 1 1\n12 1 1 0\n4 0 0 0' ] ||
    fallar "la tabla de apoyos no nombra los nudos del usuario: $apoyos"
[ "$(nombresEn "$trabajo")" = "modelo.txt resultados.txt salida.txt " ] ||
    fallar "quedan archivos de más: $(nombresEn "$trabajo")"
cp resultados.txt "$referencia"

ln -sf modelo.txt resultados.txt
pulsar F5
esperarQue esArchivoComun resultados.txt
cmp -s modelo.txt "$modelo" || fallar "tras F5 el reporte se escribió sobre el modelo"
cmp -s resultados.txt "$referencia" || fallar "tras F5 el reporte cambió"
pulsar Escape
esperarFin

# --- A named pipe: the program neither blocks in it nor writes into it. ---
rm resultados.txt
mkfifo resultados.txt
arrancar
esArchivoComun resultados.txt || fallar "resultados.txt sigue siendo una tubería"
cmp -s resultados.txt "$referencia" || fallar "el reporte en lugar de la tubería difiere"
rm resultados.txt
mkfifo resultados.txt
pulsar F5
esperarQue esArchivoComun resultados.txt
cmp -s resultados.txt "$referencia" || fallar "tras F5 el reporte en lugar de la tubería difiere"
pulsar Escape
esperarFin

# --- A full disk: a small tmpfs where one can be mounted, filled up (a
# report written in place would get only the page of the older one, and
# break off after 4 KiB). Elsewhere a limit of 4 KiB on the size of the files
# the program writes fails its writes the same way (the signal of the limit
# is ignored, so a write just fails). ---
[ "$(stat -c %s "$referencia")" -gt 4096 ] || fallar "el reporte cabe en 4 KiB"
disco="$trabajo/disco"
mkdir "$disco"
if mount -t tmpfs -o size=64k tmpfs "$disco" 2>/dev/null; then
    trap 'umount -l "$disco" 2>/dev/null; terminar' EXIT
    llenarDisco() { dd if=/dev/zero of="$disco/relleno" bs=4k 2>/dev/null || true; }
    liberarDisco() { rm -f "$disco/relleno"; }
else
    lanzador=(bash -c 'trap "" XFSZ; ulimit -S -f 4; exec "$@"' limite)
    llenarDisco() { :; }
    liberarDisco() { prlimit --pid "$pid" --fsize=unlimited; }
fi
cp "$modelo" "$disco/modelo.txt"
echo "reporte anterior" >"$disco/resultados.txt"
cp "$disco/resultados.txt" "$trabajo/anterior.txt"
llenarDisco
arrancar "$disco"

esperarLinea "$aviso"
cmp -s "$disco/resultados.txt" "$trabajo/anterior.txt" || fallar "el disco lleno cambió el reporte anterior"
[ "$(nombresEn "$disco")" = "modelo.txt resultados.txt " ] ||
    fallar "el disco lleno deja archivos de más: $(nombresEn "$disco")"

pulsar F5
esperarQue hayLineas "$aviso" 2
cmp -s "$disco/resultados.txt" "$trabajo/anterior.txt" || fallar "tras F5 el disco lleno cambió el reporte anterior"
[ "$(nombresEn "$disco")" = "modelo.txt resultados.txt " ] ||
    fallar "tras F5 el disco lleno deja archivos de más: $(nombresEn "$disco")"

liberarDisco
pulsar F5
esperarQue cmp -s "$disco/resultados.txt" "$referencia"
hayLineas "$aviso" 2 || fallar "con espacio libre el programa aún avisa que no pudo escribir"
pulsar Escape
esperarFin
