'use strict';
// PIRUMO's page: every event goes to the calculator, compiled to WebAssembly
// from the same sources as the desktop windows, and the calculator works the
// page through the imports below, as it works a desktop window.
(() => {
    const OUTCOME = @OUTCOMES@;
    const SAVE_BUTTON = @SAVE_BUTTON@;  // its place on the toolbar
    const SMALLEST_LABEL_FONT = @SMALLEST_LABEL_FONT@;  // pixels
    const LABEL_FITS = @LABEL_FITS@;  // each label, its font's pixels, its widest text, its width
    const TEXTS = @TEXTS@;
    const DOWNLOAD_NAME = 'kiroku.txt';
    const downloadQuestion = (name) => TEXTS.DOWNLOADED.replace('{}', name);

    const $ = (id) => document.getElementById(id);
    const [text1, label1, label2, help, downloaded, frame, caption, start, spoken] =
        ['Text1', 'Label1', 'Label2', 'help', 'downloaded', 'frame', 'caption', 'start', 'spoken'].map($);
    const toolButtons = [...$('Toolbar1').querySelectorAll('button')];
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();

    let core = null;          // the calculator's exports, once it has started
    let running = false;      // a call into the calculator has not ended yet
    let handed = null;        // bytes the calculator is about to take in
    let pickedFile = null;    // the file chosen in the save picker, or null to download
    let labelsFitted = false;
    let ended = false;        // by the end button, which ends at once
    let pointerType = '';     // of the last press: 'mouse', 'touch' or 'pen'

    const bytesAt = (at, length) => new Uint8Array(core.memory.buffer, at, length);
    const textAt = (at, length) => decoder.decode(bytesAt(at, length));
    // Hands a text (or none) to the calculator: its length now, its bytes at take_text.
    const hand = (text) => {
        handed = text === null ? null : encoder.encode(text);
        return handed ? handed.length : -1;
    };

    // A call that waits for the browser: the first time through, the import
    // starts the browser's work and the calculator unwinds out of its
    // procedure; when the work is done, the calculator is wound back into
    // the same import, which now returns the answer.
    let awaited = null;
    let answer = 0;
    let rewinding = false;
    const waiting = (work) => (...args) => {
        if (rewinding) {
            rewinding = false;
            core.asyncify_stop_rewind();
            return answer;
        }
        awaited = work(...args);
        const place = core.suspended_call();
        const view = new DataView(core.memory.buffer);
        view.setUint32(place, place + 8, true);
        view.setUint32(place + 4, place + core.suspended_call_size(), true);
        core.asyncify_start_unwind(place);
        return 0;
    };

    // Runs one procedure of the calculator to its end. Like a desktop
    // window with a dialog open, the page takes no other event meanwhile.
    async function run(procedure) {
        if (!core || running)
            return;
        running = true;
        try {
            procedure();
            while (awaited) {
                core.asyncify_stop_unwind();
                answer = await awaited;
                awaited = null;
                rewinding = true;
                core.asyncify_start_rewind(core.suspended_call());
                procedure();
            }
        } finally {
            running = false;
        }
    }

    // A label's font is made smaller only where the fixed-pitch face found
    // is too wide for the label's widest text. The text is measured once, on
    // a canvas, against the label's width in the page's own pixels: one
    // space, whatever zoom the window is shown at.
    function fitLabels() {
        labelsFitted = true;
        const canvas = document.createElement('canvas').getContext('2d');
        for (const [id, pixels, widest, width] of LABEL_FITS) {
            const label = $(id);
            const { fontWeight, fontFamily } = getComputedStyle(label);
            const widthAt = (size) => {
                canvas.font = `${fontWeight} ${size}px ${fontFamily}`;
                return canvas.measureText(widest).width;
            };
            let size = pixels;
            while (widthAt(size) > width && size > SMALLEST_LABEL_FONT)
                --size;
            if (size !== pixels)
                label.style.fontSize = `${size}px`;
        }
    }

    function download(bytes, name) {
        const address = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
        const link = document.createElement('a');
        link.href = address;
        link.download = name;
        link.click();
        setTimeout(() => URL.revokeObjectURL(address), 60000);
    }

    async function askSaveFileName(offered) {
        const name = offered || DOWNLOAD_NAME;
        pickedFile = null;
        if (window.showSaveFilePicker) {
            try {
                pickedFile = await window.showSaveFilePicker({ suggestedName: name });
                return hand(pickedFile.name);
            } catch (error) {
                if (error.name === 'AbortError')
                    return hand(null);
                // Refused here (a sandboxed frame, say): download instead.
            }
        }
        return hand(name);
    }

    // Whether a download arrived is known only to the user: asked in the
    // page, which goes on meanwhile, so that the download can finish. Nor
    // does the page learn the name the browser gave the file.
    function askWhetherDownloaded(name) {
        $('downloadedText').textContent = downloadQuestion(name);
        downloaded.returnValue = '';
        downloaded.showModal();
        return new Promise((resolve) => downloaded.addEventListener('close', () =>
            resolve(downloaded.returnValue === 'saved' ? OUTCOME.Saved : OUTCOME.Unconfirmed), { once: true }));
    }

    async function writeFile(bytes) {
        if (!pickedFile) {
            download(bytes, DOWNLOAD_NAME);
            return askWhetherDownloaded(DOWNLOAD_NAME);
        }
        let writer = null;
        try {
            // The browser writes beside the file and replaces it only at close.
            writer = await pickedFile.createWritable();
            await writer.write(bytes);
            await writer.close();
            return OUTCOME.Saved;
        } catch (error) {
            if (writer)
                await writer.abort().catch(() => {});
            return error.name === 'NoModificationAllowedError' ? OUTCOME.FileInUse : OUTCOME.Failed;
        }
    }

    function endProgram() {
        // A stray tap of a finger or a pen on the small end button must not
        // take records that were never saved, whatever the screen's main
        // pointer is (a touch monitor, a 2-in-1 with its mouse).
        if ((pointerType === 'touch' || pointerType === 'pen') && !toolButtons[SAVE_BUTTON].disabled
            && !confirm(TEXTS.END_UNSAVED))
            return;
        core = null;
        ended = true;
        window.close();
        // Still here: a tab the user opened may not be closed by its page.
        const line = document.createElement('p');
        line.id = 'ended';
        line.textContent = TEXTS.ENDED;
        document.body.replaceChildren(line);
    }

    const page = {
        set_label(which, at, length) {
            const text = textAt(at, length);
            (which === 1 ? label1 : label2).textContent = text;
            if (text && !labelsFitted)
                fitLabels();
        },
        set_caption(at, length) { document.title = caption.textContent = textAt(at, length); },
        set_save_enabled(enabled) { toolButtons[SAVE_BUTTON].disabled = !enabled; },
        focus_text1() { text1.focus(); },
        set_text1_value(digitsAt, digitsLength, saidAt, saidLength) {
            const digits = textAt(digitsAt, digitsLength);
            if (digits)
                text1.setAttribute('aria-valuenow', digits);
            else
                text1.removeAttribute('aria-valuenow');
            text1.ariaValueText = textAt(saidAt, saidLength);
        },
        // The live region is a div: Orca (48) takes a text inserted into a
        // live section at once, but drops one into a paragraph that comes
        // within 0.1 s of the labels' own changes.
        announce(at, length) { spoken.textContent = textAt(at, length); },
        tell(at, length) { alert(textAt(at, length)); },
        open_help() {
            if (!help.open)
                help.showModal();
        },
        end_program: endProgram,
        take_text(at) {
            bytesAt(at, handed.length).set(handed);
            handed = null;
        },
        write_clipboard: waiting(async (at, length) => {
            const text = textAt(at, length);
            try {
                await navigator.clipboard.writeText(text);
                return 1;
            } catch {
                return 0;
            }
        }),
        read_clipboard: waiting(async () => {
            try {
                return hand(await navigator.clipboard.readText());
            } catch {
                return hand(null);
            }
        }),
        ask_save_file_name: waiting((at, length) => askSaveFileName(textAt(at, length))),
        write_file: waiting((at, length) => writeFile(bytesAt(at, length).slice())),
    };

    // The keyboard back to the number, unless a dialog has it.
    function keyboardToText1() {
        if (!ended && !help.open && !downloaded.open)
            text1.focus();
    }

    // A key, named by its place and what it types, from the keyboard or the
    // number pad; false when the calculator does nothing with it, which
    // leaves it to the browser (Ctrl+Shift+C, Ctrl+F, F5).
    function pressKey(codeName, keyName, shift, ctrl, alt) {
        const code = encoder.encode(codeName);
        const key = encoder.encode(keyName);
        if (code.length + key.length > core.key_names_size())
            return false;
        bytesAt(core.key_names(), code.length).set(code);
        bytesAt(core.key_names() + code.length, key.length).set(key);
        const keyCode = core.key_code(code.length, key.length);
        if (!keyCode || !core.takes_key(keyCode, shift, ctrl, alt))
            return false;
        start.hidden = true;  // the first key shows the user knows
        run(() => core.key_down(keyCode, shift, ctrl, alt));
        return true;
    }
    text1.addEventListener('keydown', (event) => {
        if (!core || event.isComposing)
            return;
        const { shiftKey, ctrlKey, metaKey, altKey } = event;
        // Command on a Mac does what Ctrl does elsewhere. Any other key is
        // the browser's.
        if (pressKey(event.code, event.key, shiftKey, ctrlKey || metaKey, altKey))
            event.preventDefault();
    });
    $('pad').addEventListener('click', (event) => {
        const button = event.target.closest('button');
        if (core && button)
            pressKey(button.dataset.code, button.dataset.key, false, false, false);
    });
    toolButtons.forEach((button, place) =>
        button.addEventListener('click', () => run(() => core.toolbar_click(place))));
    $('UpCmd').addEventListener('click', () => run(() => core.up_click()));
    $('DownCmd').addEventListener('click', () => run(() => core.down_click()));
    // A click anywhere on the page but a dialog leaves the keyboard with Text1.
    document.addEventListener('mousedown', (event) => {
        if (!ended && !event.target.closest('dialog')) {
            event.preventDefault();
            text1.focus();
        }
    });
    // Nor does a click on a greyed-out button, which browsers send no mouse
    // events, leave the keyboard with the page's body. (Another window or
    // tab taking the keyboard leaves Text1 the page's active element.)
    const keyboardBackFromBody = () => setTimeout(() => {
        if (document.activeElement === document.body)
            keyboardToText1();
    });
    document.addEventListener('pointerdown', (event) => {
        pointerType = event.pointerType;
        keyboardBackFromBody();
    });
    // A tab closed or reloaded by mistake would take the log with it: the
    // browser asks first while there are lines that were never saved. (Chrome
    // 109, the last on Windows 7 and 8.1, asks only for a returnValue.)
    window.addEventListener('beforeunload', (event) => {
        if (!ended && !toolButtons[SAVE_BUTTON].disabled) {
            event.preventDefault();
            event.returnValue = TEXTS.END_UNSAVED;
        }
    });
    window.addEventListener('focus', keyboardToText1);

    // The window at a size to read: two to three times its size on a laptop,
    // about the screen's width on a phone, in half steps; the browser's zoom
    // works on top. Its larger drawings wherever it is shown at 1.5 times or
    // more, whatever makes it so.
    const frameSize = [frame.offsetWidth, frame.offsetHeight];
    function fitWindow() {
        const height = matchMedia('(pointer: coarse)').matches ? 0.4 : 0.6;  // the pad needs room
        const fits = Math.min((innerWidth - 32) / frameSize[0], innerHeight * height / frameSize[1], 3);
        const scale = Math.max(1, Math.floor(fits * 2) / 2);
        frame.style.setProperty('--fit', scale);
        // Where CSS zoom is missing (Firefox before 126, as on Windows 7 and
        // 8.1), the window is scaled instead, with margins that take up the
        // room the scaled window needs.
        const scaled = !CSS.supports('zoom', '1');
        frame.classList.toggle('scaled', scaled);
        frame.style.margin = scaled ? `0 ${frameSize[0] * (scale - 1)}px ${frameSize[1] * (scale - 1)}px 0` : '';
        for (const source of frame.querySelectorAll('source'))
            source.media = scale * devicePixelRatio >= 1.5 ? 'all' : 'not all';
    }
    fitWindow();
    addEventListener('resize', fitWindow);

    // The calculator starts once the window has been drawn: decoding and
    // compiling it first would hold back the first frame.
    // Where WebAssembly is turned off (a policy, a locked-down browser),
    // the window says so in place of its first line.
    requestAnimationFrame(() => setTimeout(async () => {
        try {
            const wasm = Uint8Array.from(atob($('core').textContent.trim()), (c) => c.charCodeAt(0));
            // The C library may ask the system for a file (to write a message
            // before it stops, say, as Debian 13's does): the page has none.
            const noSystem = new Proxy({}, { get: () => () => 52 });  // ENOSYS
            const { instance } = await WebAssembly.instantiate(wasm, { page, wasi_snapshot_preview1: noSystem });
            core = instance.exports;
            core._initialize?.();
            run(() => core.start());
            text1.focus();
            performance.mark('pirumo-ready');  // keys are handled from here on (make bench)
        } catch (error) {
            core = null;
            start.textContent = `${TEXTS.CORE_FAILED} (${error})`;
            start.setAttribute('role', 'alert');
        } finally {
            document.querySelector('main').removeAttribute('aria-busy');
        }
    }));
})();
