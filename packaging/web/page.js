'use strict';
// Starts the game in #game at its design size, scaled down to fit a smaller screen, and shows
// on the page when it could not start or has ended.
(() => {
    const game = document.getElementById('game');
    const status = document.getElementById('status');
    const again = document.getElementById('again');
    const say = text => { status.textContent = text; };
    const couldNotStart = 'Quorvex could not start: this browser cannot run WebAssembly, ' +
                          'or a file of the game is missing or damaged.';

    // The design size in CSS pixels. Qt draws the window at that size and at the browser's own
    // device pixel ratio, and the browser scales the drawing down to fit a smaller page, never
    // cut off; a larger page never stretches it. A scale of Qt's own (QT_SCALE_FACTOR) drew at
    // fractional ratios, where its partial repaints left stale pixels and lost lines.
    const footer = document.querySelector('footer');
    const width = Number(game.dataset.width);
    const height = Number(game.dataset.height);
    const screen = document.createElement('div');
    game.append(screen);
    let scale = 1;
    const fit = () => {
        const roomHeight = window.innerHeight - footer.offsetHeight;
        scale = Math.min(1, window.innerWidth / width, roomHeight / height);
        game.style.width = `${width * scale}px`;
        game.style.height = `${height * scale}px`;
        // Qt takes its screen's size from its box on the page, after the scale: a screen as much
        // larger before it keeps the window at its design size. #game shows only the window.
        screen.style.width = `${width / scale}px`;
        screen.style.height = `${height / scale}px`;
        screen.style.transform = `scale(${scale})`;
    };
    fit();
    // A phone turned or a window resized: the game goes on, shown at another scale.
    window.addEventListener('resize', fit);

    // Qt places a press by adding the pressed element's place on the page, which is scaled, to
    // the press's offset inside that element, which is not: right for the window at the
    // screen's corner, short for a message box. Each press gets the offset that puts it where
    // Qt drew what is under it.
    const unscaled = event => {
        const target = event.composedPath()[0];
        if (scale === 1 || !(target instanceof Element))
            return;
        const origin = screen.getBoundingClientRect();
        const box = target.getBoundingClientRect();
        Object.defineProperties(event, {
            offsetX: { value: (event.clientX - origin.left) / scale - (box.left - origin.left) },
            offsetY: { value: (event.clientY - origin.top) / scale - (box.top - origin.top) },
        });
    };
    for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel',
                        'pointerenter', 'pointerleave', 'wheel'])
        screen.addEventListener(type, unscaled, true);

    // Qt gives the keyboard to the window it activates; the browser's own focusing on a press
    // would take it back from a message box that the press opened.
    game.addEventListener('mousedown', event => event.preventDefault());

    // With Shift held a digit key brings its layout's character (")", "=", ...), which Qt
    // reports as that character's key: the game hears the digit with Shift, as on the desktop,
    // where the key's place on the keyboard decides. Qt takes keys at an input element of its
    // own, outside the game's element.
    for (const type of ['keydown', 'keyup']) {
        window.addEventListener(type, event => {
            const digit = /^Digit([0-9])$/.exec(event.code)?.[1];
            if (!event.isTrusted || !event.shiftKey || !digit || event.key === digit)
                return;
            event.stopImmediatePropagation();
            event.preventDefault();
            const { code, shiftKey, ctrlKey, altKey, metaKey, repeat } = event;
            event.composedPath()[0].dispatchEvent(new KeyboardEvent(type, {
                key: digit, code, shiftKey, ctrlKey, altKey, metaKey, repeat,
                bubbles: true, cancelable: true, composed: true,
            }));
        }, true);
    }

    const ended = () => {
        game.hidden = true;
        game.replaceChildren();
        say('The game has ended.');
        again.hidden = false;
    };
    document.getElementById('new-game').addEventListener('click', () => location.reload());

    // Offline play, from whatever folder the site is served.
    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('sw.js').catch(() => {});

    // The game's code is most of what a player waits for: the page fetches it itself to show
    // how much has come. A host may send it compressed, and then the length it gives is not
    // what arrives here: the page shows megabytes alone, without a share.
    const loading = document.getElementById('loading');
    const bar = document.getElementById('loaded');
    const amount = document.getElementById('amount');
    const megabytes = bytes => (bytes / 1e6).toFixed(1);
    const show = (received, total) => {
        if (received <= total) {
            bar.max = total;
            bar.value = received;
            amount.textContent = `${megabytes(received)} of ${megabytes(total)} MB`;
        } else {
            bar.removeAttribute('value');
            amount.textContent = `${megabytes(received)} MB`;
        }
    };
    const count = async (body, total) => {
        const reader = body.getReader();
        for (let received = 0; ;) {
            const { done, value } = await reader.read();
            if (done)
                return;
            received += value.byteLength;
            show(received, total);
        }
    };
    // Counted on a copy of the answer, so that the browser compiles the code as it comes and
    // may keep the compiled code for the next visit.
    const fetchGame = async () => {
        const response = await fetch('quorvex.wasm');
        if (!response.ok)
            throw new Error(`quorvex.wasm: ${response.status}`);
        const encoding = response.headers.get('Content-Encoding') ?? 'identity';
        const length = Number(response.headers.get('Content-Length'));
        loading.hidden = false;
        count(response.clone().body, encoding === 'identity' && length > 0 ? length : 0)
            .catch(() => {});
        if (response.headers.get('Content-Type')?.startsWith('application/wasm'))
            return WebAssembly.compileStreaming(response);
        return WebAssembly.compile(await response.arrayBuffer());
    };

    // Qt's window titles ask for 'Lucida Grande' alone, which most systems lack, and browsers
    // then fall back to a serif face. Qt's styles are in its shadow root, out of page.css's reach.
    const styleTitles = () => {
        const root = screen.firstElementChild?.shadowRoot;
        if (!root?.adoptedStyleSheets)
            return;
        const titles = new CSSStyleSheet();
        titles.replaceSync(".title-bar .window-name { font-family: 'Lucida Grande', sans-serif; }");
        root.adoptedStyleSheets = [...root.adoptedStyleSheets, titles];
    };

    let started = false;
    const start = async () => {
        if (typeof WebAssembly !== 'object' || typeof qtLoad !== 'function' ||
            typeof quorvex_entry !== 'function')
            throw new Error('missing WebAssembly or a script');
        game.hidden = false;
        await qtLoad({
            qt: {
                containerElements: [screen],
                module: fetchGame(),
                entryFunction: quorvex_entry,
                onLoaded: () => { started = true; loading.hidden = true; say(''); },
                onExit: () => (started ? ended() : undefined),
            },
        });
        styleTitles();
    };
    start().catch(() => {
        if (started)
            return ended();
        game.hidden = true;
        loading.hidden = true;
        say(couldNotStart);
    });
})();
