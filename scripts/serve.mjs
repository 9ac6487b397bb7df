// Serves a folder on 127.0.0.1 until stopped: node serve.mjs FOLDER [PORT]
import { addressOf, serve } from "./StaticServer.mjs";

const [root = ".", port = "8080"] = process.argv.slice(2);
try {
    const server = await serve(root, Number(port));
    console.log(`Drelvik: ${addressOf(server)} (Ctrl+C stops the server)`);
} catch (error) {
    console.error(`Drelvik: cannot serve ${root} on 127.0.0.1:${port}: ${error.message}`);
    process.exit(1);
}
