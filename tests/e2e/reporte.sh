#!/bin/bash
# The report of the real program: its support table names each node by the
# user's number; a link or a named pipe called resultados.txt is replaced,
# never written through nor waited on; a named pipe given as the model is
# never opened; F5 on a model saved without its combinations leaves the older
# report as it was; on a full disk and under a limit on the size of the files
# the program writes, at start-up and after F5, the older report stays as it
# was and the program says so, and once there is room F5 writes the report
# whole; without a display the program writes its report and ends with
# status 1; a signal that ends the program while it writes a large report
# leaves no part of it behind, and one it was started to ignore stays
# ignored.
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

# --- A named pipe as the model: refused as a file that cannot be opened, at
# start-up and after F5, without waiting for a writer. ---
rm modelo.txt resultados.txt
mkfifo modelo.txt
arrancar
esperarLinea "Error: no se puede abrir el archivo de datos modelo.txt"
pulsar F5
esperarQue hayLineas "Error: no se puede abrir el archivo de datos modelo.txt" 2
[ ! -e resultados.txt ] || fallar "un modelo que no se leyó dejó un reporte"
pulsar Escape
esperarFin

# --- The model saved without its combinations: F5 says why it does not
# analyse it and leaves the older report byte for byte. ---
rm modelo.txt
cp "$modelo" modelo.txt
arrancar
esperarQue cmp -s resultados.txt "$referencia"
grep -v '^combo:' "$modelo" >modelo.txt
pulsar F5
esperarLinea "El modelo no tiene combos; no se analiza"
cmp -s resultados.txt "$referencia" || fallar "F5 sin combos cambió el reporte anterior"
[ "$(nombresEn "$trabajo")" = "modelo.txt referencia.txt resultados.txt salida.txt " ] ||
    fallar "F5 sin combos deja archivos de más: $(nombresEn "$trabajo")"
pulsar Escape
esperarFin

[ "$(stat -c %s "$referencia")" -gt 4096 ] || fallar "el reporte cabe en 4 KiB"
anterior="$trabajo/anterior.txt"
echo "reporte anterior" >"$anterior"

# sinEspacio CARPETA: the model in a folder where the report does not fit,
# with an older report beside it; llenarDisco and liberarDisco take the room
# away and give it back.
sinEspacio() {
    local carpeta="$1"
    cp "$modelo" "$carpeta/modelo.txt"
    cp "$anterior" "$carpeta/resultados.txt"
    llenarDisco
    arrancar "$carpeta"

    esperarLinea "$aviso"
    cmp -s "$carpeta/resultados.txt" "$anterior" || fallar "sin espacio cambió el reporte anterior"
    [ "$(nombresEn "$carpeta")" = "modelo.txt resultados.txt " ] ||
        fallar "sin espacio quedan archivos de más: $(nombresEn "$carpeta")"

    pulsar F5
    esperarQue hayLineas "$aviso" 2
    cmp -s "$carpeta/resultados.txt" "$anterior" || fallar "tras F5 sin espacio cambió el reporte anterior"
    [ "$(nombresEn "$carpeta")" = "modelo.txt resultados.txt " ] ||
        fallar "tras F5 sin espacio quedan archivos de más: $(nombresEn "$carpeta")"

    liberarDisco
    pulsar F5
    esperarQue cmp -s "$carpeta/resultados.txt" "$referencia"
    hayLineas "$aviso" 2 || fallar "con espacio libre el programa aún avisa que no pudo escribir"
    pulsar Escape
    esperarFin
}

# --- A full disk: a small tmpfs where one can be mounted, filled up (a
# report written in place would get only the page of the older one, and
# break off after 4 KiB). ---
disco="$trabajo/disco"
mkdir "$disco"
if mount -t tmpfs -o size=64k tmpfs "$disco" 2>/dev/null; then
    trap 'umount -l "$disco" 2>/dev/null; terminar' EXIT
    llenarDisco() { dd if=/dev/zero of="$disco/relleno" bs=4k 2>/dev/null || true; }
    liberarDisco() { rm -f "$disco/relleno"; }
    sinEspacio "$disco"
else
    echo "sin tmpfs: el disco lleno se prueba solo con el límite de tamaño"
fi

# --- A limit of 4 KiB on the size of the files the program writes, as a
# shell's ulimit -f sets: the program is not ended by the limit's signal, its
# write just fails. ---
limitado="$trabajo/limitado"
mkdir "$limitado"
lanzador=(bash -c 'ulimit -S -f 4; exec "$@"' limite)
llenarDisco() { :; }
liberarDisco() { prlimit --pid "$pid" --fsize=unlimited; }
sinEspacio "$limitado"

# --- A signal while a large report is written. ---
# A beam of 400 nodes, all fixed but the last: little to solve, and a
# structure stiffness of 1,200 by 1,200 numbers (about 15 MB of report) that
# takes a while to write.
grande="$trabajo/grande"
mkdir "$grande"
awk -v n=400 'BEGIN {
    printf "nudos:"; for (i = 1; i <= n; i++) printf " %d %d 0", i, i; print ""
    printf "barras:"; for (i = 1; i < n; i++) printf " %d %d %d", i, i, i + 1; print ""
    printf "apoyo: 1 1 1"; for (i = 1; i < n; i++) printf " %d", i; print ""
    printf "seccionGenerica: S 0.1 0.003 2.1e8 0"; for (i = 1; i < n; i++) printf " %d", i; print ""
    printf "puntual: P 0 -10 0 %d\n", n
    print "combo: C 1 P"
}' >"$grande/modelo.txt"

# Where no display can be opened the program has written its report before
# it tries, and ends with status 1.
cd "$grande"
estado=0
env -u DISPLAY "$binario" modelo.txt >"$trabajo/salida.txt" 2>&1 || estado=$?
[ "$estado" -eq 1 ] || fallar "sin pantalla el programa terminó con estado $estado"
[ "$(stat -c %s resultados.txt)" -gt 10000000 ] || fallar "el reporte grande no llega a 10 MB"
referenciaGrande="$trabajo/referenciaGrande.txt"
mv resultados.txt "$referenciaGrande"

temporales() { compgen -G "$grande/resultados.txt.??????" || true; }
# A new report that already holds some of its text.
temporalEmpezado() {
    local t
    t="$(temporales)"
    [ -n "$t" ] && [ -s "$t" ]
}
detenido() { [[ "$(ps -o stat= -p "$pid" 2>/dev/null)" == T* ]]; }

# senalAMitad SIGNAL: the program on the large model, beside an older report,
# is stopped while it writes its new report and handed the signal; it goes on
# only then, so the signal always finds the report half written.
senalAMitad() {
    cp "$anterior" "$grande/resultados.txt"
    lanzar "$grande"
    esperarQue temporalEmpezado
    kill -STOP "$pid"
    esperarQue detenido
    temporalEmpezado || fallar "el reporte se terminó antes de la señal $1"
    kill -s "$1" "$pid"
    kill -CONT "$pid"
}

# An ending signal, at its default disposition whatever the shell left to
# the program, removes the new report and ends the program as the signal does.
lanzador=(env --default-signal=TERM,INT,HUP)
for senal in TERM INT HUP; do
    senalAMitad "$senal"
    intentarHasta programaTerminado || fallar "la señal $senal no terminó el programa"
    estado=0
    wait "$pid" || estado=$?
    pid=""
    [ "$estado" -eq $((128 + $(kill -l "$senal"))) ] ||
        fallar "tras la señal $senal el programa terminó con estado $estado"
    [ -z "$(temporales)" ] || fallar "la señal $senal dejó el reporte a medias: $(temporales)"
    cmp -s "$grande/resultados.txt" "$anterior" || fallar "la señal $senal cambió el reporte anterior"
done

# A hang-up that the program was started to ignore (nohup) stays ignored: the
# report is written whole and the window opens.
lanzador=(env --default-signal=TERM,INT --ignore-signal=HUP)
senalAMitad HUP
esperarVentana
cmp -s "$grande/resultados.txt" "$referenciaGrande" || fallar "con la señal ignorada el reporte difiere"
[ -z "$(temporales)" ] || fallar "con la señal ignorada quedó un reporte a medias: $(temporales)"
pulsar Escape
esperarFin
