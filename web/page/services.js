// What the page offers the program besides windows: the beep, the decimal separator of
// the browser's language, and the end of the program.

// Format's decimal separator comes from the browser's language; Str always writes ".".
export const decimalSeparator = (() => {
  try {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    return parts.find((p) => p.type === "decimal").value;
  } catch (e) {
    return ".";
  }
})();

// A short tone; every beep is also counted on the page, for whoever scripts it.
let audio = null;
let beeps = 0;
export function beep() {
  beeps += 1;
  document.body.dataset.beeps = String(beeps);
  try {
    audio = audio || new AudioContext();
    const osc = audio.createOscillator();
    const gain = audio.createGain();
    osc.frequency.value = 880;
    gain.gain.value = 0.05;
    osc.connect(gain).connect(audio.destination);
    osc.start();
    osc.stop(audio.currentTime + 0.08);
  } catch (e) {
    // no sound on this browser: the beep is only a cue
  }
}

// The installed web app keeps itself for use offline: where the page is served with its
// manifest (the site), never from a file, which needs nothing kept.
export function keepOffline() {
  if (!("serviceWorker" in navigator) || location.protocol === "file:") return;
  if (!document.querySelector('link[rel="manifest"]')) return;
  navigator.serviceWorker.register("sw.js").catch(() => {}); // (the page works without it)
}

// The program has ended: the page says so and offers to start it again.
export function showEnded(message, restart) {
  const ended = document.getElementById("ended");
  ended.querySelector("#ended-message").textContent = message || "Ο ΣΧΗμάτιος έκλεισε.";
  ended.hidden = false;
  document.title = "ΣΧΗμάτιος";
  const button = ended.querySelector("#restart");
  button.onclick = () => {
    ended.hidden = true;
    restart();
  };
  button.focus();
}
